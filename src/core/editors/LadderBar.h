// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
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
//
// A stored bitrate the bar cannot show (on no entry, beyond the bar's end,
// or outside a range a rule narrowed the bar to while the dialog opened) is
// kept as it was: the bar stands at the nearest position it offers, the value
// label shows the stored number, and that number is saved until the user
// moves the bar, or changes a choice whose range cannot hold it. Opening a
// profile and saving it unchanged therefore never changes how it encodes.
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
  // The user moves the bar: from now on the entry at the position counts.
  void SetPosition(int position);

  // Loading a stored bitrate: the position of the entry equal to it (the
  // last one when several are), else of the nearest entry (the lower one of
  // two as near), kept inside the range.
  void Load(int32_t stored);

  // After a range the user brought about (by picking a sample rate or
  // channels): a kept value outside what the range offers gives way to the
  // entry at the position.
  void DropKeptOutsideRange();

  // What is saved, and the text the value label shows.
  int32_t Value() const { return Kept_ ? *Kept_ : LadderValue(Ladder_, Position_); }
  std::string Entry() const;
  bool KeepsStoredValue() const { return Kept_.has_value(); }

 private:
  // The position for the kept value, or the position clamped into the range.
  void Place();

  TLadder Ladder_;
  int Min_ = 1;
  int Max_ = 1;
  int Position_ = 1;
  std::optional<int32_t> Kept_;
};
