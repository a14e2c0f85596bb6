// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/TimeFields.h"

#include "app/Dialogs.h"
#include "base/FormatText.h"
#include "base/TimeText.h"
#include "lang/ResStr.h"

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

bool TTimeFields::Leave(TTimeField field) {
  const std::string& typed = Text(field);
  const int64_t s = ParseTimeText(Text(TTimeField::Start));
  const int64_t e = ParseTimeText(Text(TTimeField::End));
  switch (field) {
    case TTimeField::Start:
      if (s < 0) return Refuse(field, FormatText(ResStr(MSG_TIME_NOT_A_TIME), {typed}));
      if (!InRange(s)) return Refuse(field, FormatText(ResStr(MSG_TIME_TOO_LONG), {typed}));
      Text_[Index(TTimeField::Start)] = FormatTimeText(s);
      if (e <= s) Text_[Index(TTimeField::End)] = FormatTimeText(s);
      RecalcDuration();
      return true;
    case TTimeField::End:
      if (e < 0) return Refuse(field, FormatText(ResStr(MSG_TIME_NOT_A_TIME), {typed}));
      // An End is measured from a readable Start.
      if (s < 0)
        return Refuse(field, FormatText(ResStr(MSG_TIME_NOT_A_TIME), {Text(TTimeField::Start)}));
      if (e < s)
        return Refuse(field, FormatText(ResStr(MSG_TIME_END_BEFORE_START),
                                        {FormatTimeText(e), FormatTimeText(s)}));
      if (e > MaxTimeMs) return Refuse(field, FormatText(ResStr(MSG_TIME_TOO_LONG), {typed}));
      Text_[Index(TTimeField::End)] = FormatTimeText(e);
      RecalcDuration();
      return true;
    case TTimeField::Duration: {
      const int64_t d = ParseTimeText(typed);
      if (d < 0) return Refuse(field, FormatText(ResStr(MSG_TIME_NOT_A_TIME), {typed}));
      if (!InRange(d)) return Refuse(field, FormatText(ResStr(MSG_TIME_TOO_LONG), {typed}));
      Text_[Index(TTimeField::Duration)] = FormatTimeText(d);
      RecalcEndTime();
      return true;
    }
  }
  return true;
}

bool TTimeFields::Refuse(TTimeField field, const std::string& why) {
  Text_[Index(field)] = Undo_[Index(field)];
  MessageBoxText(why, ResStr(MSG_TIME_REFUSED_TITLE), MB_OK | MB_ICONEXCLAMATION);
  return false;
}

void TTimeFields::RecalcDuration() {
  Text_[Index(TTimeField::Duration)] =
      Difference(ParseTimeText(Text(TTimeField::End)), ParseTimeText(Text(TTimeField::Start)));
}

void TTimeFields::RecalcEndTime() {
  Text_[Index(TTimeField::End)] =
      Sum(ParseTimeText(Text(TTimeField::Start)), ParseTimeText(Text(TTimeField::Duration)));
}
