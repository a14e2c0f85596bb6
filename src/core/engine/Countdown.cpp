// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Countdown.h"

#include <iterator>

#include "base/FormatText.h"
#include "lang/ResStr.h"

TCountdown::TState TCountdown::Tick() {
  if (State_ != TState::Running) return State_;
  if (--SecondsLeft_ < 0) {
    SecondsLeft_ = 0;
    State_ = TState::RunOut;
  }
  return State_;
}

void TCountdown::Cancel() {
  if (State_ == TState::Running) State_ = TState::Cancelled;
}

std::string TCountdown::TimeLeftText() const {
  return FormatText(ResStr(MSG_LABEL_TIMEOUT), {std::to_string(SecondsLeft_)});
}

namespace {

struct TActionTexts {
  TMsgKey Detail, Title;
};

// By ShutdownFlag; a flag past the list has no action and keeps the plain caption.
constexpr TActionTexts kActions[] = {
    {MSG_WARNING_DETAIL_CLOSE, MSG_CLOSE_APP},     {MSG_WARNING_DETAIL, MSG_SHUTDOWN},
    {MSG_WARNING_DETAIL_LOGOFF, MSG_LOGOFF},       {MSG_WARNING_DETAIL_RESTART, MSG_RESTART},
    {MSG_WARNING_DETAIL_HIBERNATE, MSG_HIBERNATE}, {MSG_WARNING_DETAIL_SUSPEND, MSG_SUSPEMD},
};

const TActionTexts* ActionOf(uint8_t flag) {
  return flag < std::size(kActions) ? &kActions[flag] : nullptr;
}

}  // namespace

std::string CountdownWarningDetail(uint8_t flag) {
  const TActionTexts* action = ActionOf(flag);
  return FormatText(ResStr(action != nullptr ? action->Detail : MSG_WARNING_DETAIL),
                    {ResStr(MSG_APPLICATION_TITLE)});
}

std::string CountdownTitle(uint8_t flag) {
  const TActionTexts* action = ActionOf(flag);
  if (action == nullptr) return ResStr(MSG_SHUTDOWN_TITLE);
  return FormatText(ResStr(action->Title), {ResStr(MSG_APPLICATION_TITLE)});
}
