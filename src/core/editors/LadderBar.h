// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A ladder of preset bitrates as decimal texts; position p (1-based) of a
// preset track bar stands for entry p.
using TLadder = std::span<const std::string_view>;

// Integer of a ladder entry; 0 for a position off the ladder.
int32_t LadderValue(TLadder ladder, int position);

// A preset track bar over a ladder. The bar offers the positions Min..Max,
// which may be fewer than the ladder has (a bar that stops below the top
// entry). Ranges change the way a track bar does: a new minimum above the
// current maximum, or a new maximum below the current minimum, is ignored,
// and the position always stays inside the range.
class TLadderBar {
 public:
  TLadderBar() = default;
  TLadderBar(TLadder ladder, int max) : Ladder_(ladder), Max_(max < 1 ? 1 : max) {}

  TLadder Ladder() const { return Ladder_; }
  int Min() const { return Min_; }
  int Max() const { return Max_; }
  int Position() const { return Position_; }

  void SetMin(int min);
  void SetMax(int max);
  // The minimum first, then the maximum, each with the rule above.
  void SetRange(int min, int max);
  void SetPosition(int position);

  // Loading a stored bitrate: the default position, then the position of
  // every entry equal to the stored value's decimal text, so the last match
  // wins; every position is kept inside the range. A value on no entry thus
  // shows the default position, one beyond the bar's end its maximum.
  void Load(int32_t stored, int defaultPosition);

  // What is saved and shown: the entry at the position.
  int32_t Value() const { return LadderValue(Ladder_, Position_); }
  std::string_view Entry() const;

 private:
  TLadder Ladder_;
  int Min_ = 1;
  int Max_ = 1;
  int Position_ = 1;
};
