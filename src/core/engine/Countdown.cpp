// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Countdown.h"

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

std::string CountdownWarningDetail() {
  return FormatText(ResStr(MSG_WARNING_DETAIL), {ResStr(MSG_APPLICATION_TITLE)});
}
