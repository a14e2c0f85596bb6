// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/TimeText.h"

enum class TTimeField { Start, End, Duration };

// The Start / End / Duration texts of the time control group. Start and
// Duration are stored; End is derived. Each field is checked when the focus
// leaves it: a text that is not a time, or one out of range, goes back to
// what the field held when the focus entered it, and a message says why.
class TTimeFields {
 public:
  // Longest time a field accepts: 200 hours.
  static constexpr int64_t MaxTimeMs = kMaxTimeWindowMs;

  // As stored; End follows from them.
  void Load(const std::string& startTime, const std::string& duration);

  const std::string& Text(TTimeField field) const { return Text_[Index(field)]; }
  // What the user types; checked only on leaving.
  void SetText(TTimeField field, std::string text) { Text_[Index(field)] = std::move(text); }

  void Enter(TTimeField field) { Undo_[Index(field)] = Text(field); }
  // False when the text was refused (and the message shown).
  bool Leave(TTimeField field);

  void RecalcDuration();
  void RecalcEndTime();

 private:
  static size_t Index(TTimeField field) { return static_cast<size_t>(field); }
  // Puts back the text on entry and says why the typed one was refused.
  bool Refuse(TTimeField field, const std::string& why);

  std::array<std::string, 3> Text_;
  std::array<std::string, 3> Undo_;
};
