// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/LadderBar.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>

int32_t LadderValue(TLadder ladder, int position) {
  if (position < 1 || static_cast<size_t>(position) > ladder.size()) return 0;
  std::string_view text = ladder[static_cast<size_t>(position) - 1];
  int32_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

void TLadderBar::SetMin(int min) {
  if (min > Max_) return;
  const int32_t before = Value();
  Min_ = min;
  Place();
  // A range alone never changes what is saved.
  if (Value() != before) Kept_ = before;
}

void TLadderBar::SetMax(int max) {
  if (max < Min_) return;
  const int32_t before = Value();
  Max_ = max;
  Place();
  if (Value() != before) Kept_ = before;
}

void TLadderBar::SetRange(int min, int max) {
  SetMin(min);
  SetMax(max);
}

void TLadderBar::SetPosition(int position) {
  Kept_.reset();
  Position_ = std::clamp(position, Min_, Max_);
}

void TLadderBar::Place() {
  if (!Kept_) {
    Position_ = std::clamp(Position_, Min_, Max_);
    return;
  }
  const int last = std::min(Max_, static_cast<int>(Ladder_.size()));
  int best = std::clamp(Position_, Min_, Max_);
  int64_t bestDistance = -1;
  for (int p = Min_; p <= last; ++p) {
    const int64_t distance = std::abs(static_cast<int64_t>(LadderValue(Ladder_, p)) - *Kept_);
    if (bestDistance < 0 || distance < bestDistance || (distance == 0 && bestDistance == 0)) {
      best = p;
      bestDistance = distance;
    }
  }
  Position_ = best;
}

void TLadderBar::Load(int32_t stored) {
  Kept_ = stored;
  Place();
  if (LadderValue(Ladder_, Position_) == stored) Kept_.reset();
}

void TLadderBar::DropKeptOutsideRange() {
  if (Kept_ && (*Kept_ < LadderValue(Ladder_, Min_) || *Kept_ > LadderValue(Ladder_, Max_)))
    Kept_.reset();
}

std::string TLadderBar::Entry() const {
  if (Kept_) return std::to_string(*Kept_);
  if (Position_ < 1 || static_cast<size_t>(Position_) > Ladder_.size()) return {};
  return std::string(Ladder_[static_cast<size_t>(Position_) - 1]);
}
