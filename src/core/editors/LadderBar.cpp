// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/LadderBar.h"

#include <algorithm>
#include <charconv>
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
  Min_ = min;
  SetPosition(Position_);
}

void TLadderBar::SetMax(int max) {
  if (max < Min_) return;
  Max_ = max;
  SetPosition(Position_);
}

void TLadderBar::SetRange(int min, int max) {
  SetMin(min);
  SetMax(max);
}

void TLadderBar::SetPosition(int position) {
  Position_ = std::clamp(position, Min_, Max_);
}

void TLadderBar::Load(int32_t stored, int defaultPosition) {
  SetPosition(defaultPosition);
  const std::string text = std::to_string(stored);
  for (size_t p = 1; p <= Ladder_.size(); ++p)
    if (Ladder_[p - 1] == text) SetPosition(static_cast<int>(p));
}

std::string_view TLadderBar::Entry() const {
  if (Position_ < 1 || static_cast<size_t>(Position_) > Ladder_.size()) return {};
  return Ladder_[static_cast<size_t>(Position_) - 1];
}
