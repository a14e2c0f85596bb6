// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/TimeFields.h"

#include "base/TimeText.h"

namespace {

bool InRange(int64_t ms) {
  return ms >= 0 && ms <= TTimeFields::MaxTimeMs;
}

// The text of a - b or a + b; empty when either side is not a time, so an
// unreadable stored value never turns into a made-up one.
std::string Difference(int64_t a, int64_t b) {
  return a < 0 || b < 0 ? std::string() : FormatTimeText(a - b);
}
std::string Sum(int64_t a, int64_t b) {
  return a < 0 || b < 0 ? std::string() : FormatTimeText(a + b);
}

}  // namespace

void TTimeFields::Load(const std::string& startTime, const std::string& duration) {
  Text_[Index(TTimeField::Start)] = startTime;
  Text_[Index(TTimeField::Duration)] = duration;
  RecalcEndTime();
  Undo_ = Text_;
}

void TTimeFields::Leave(TTimeField field) {
  const int64_t s = ParseTimeText(Text(TTimeField::Start));
  const int64_t e = ParseTimeText(Text(TTimeField::End));
  switch (field) {
    case TTimeField::Start:
      if (!InRange(s)) return Revert(field);
      Text_[Index(TTimeField::Start)] = FormatTimeText(s);
      if (e <= s) Text_[Index(TTimeField::End)] = FormatTimeText(s);
      return RecalcDuration();
    case TTimeField::End:
      // An End is measured from a readable Start.
      if (s < 0 || e < s || e > MaxTimeMs) return Revert(field);
      Text_[Index(TTimeField::End)] = FormatTimeText(e);
      return RecalcDuration();
    case TTimeField::Duration: {
      const int64_t d = ParseTimeText(Text(TTimeField::Duration));
      if (!InRange(d)) return Revert(field);
      Text_[Index(TTimeField::Duration)] = FormatTimeText(d);
      return RecalcEndTime();
    }
  }
}

void TTimeFields::RecalcDuration() {
  Text_[Index(TTimeField::Duration)] =
      Difference(ParseTimeText(Text(TTimeField::End)), ParseTimeText(Text(TTimeField::Start)));
}

void TTimeFields::RecalcEndTime() {
  Text_[Index(TTimeField::End)] =
      Sum(ParseTimeText(Text(TTimeField::Start)), ParseTimeText(Text(TTimeField::Duration)));
}
