// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Countdown.h"

#include <gtest/gtest.h>

#include "base/FormatText.h"
#include "lang/ResStr.h"

TEST(Countdown, ShowsThirtyDownToZeroAndRunsOutOnTheTickAfter) {
  ResetLanguage();
  TCountdown countdown;
  std::vector<std::string> shown = {countdown.TimeLeftText()};
  while (countdown.Tick() == TCountdown::TState::Running) shown.push_back(countdown.TimeLeftText());
  ASSERT_EQ(shown.size(), 31u);
  for (int i = 0; i <= 30; ++i) EXPECT_EQ(shown[i], "Time left: " + std::to_string(30 - i));
  EXPECT_EQ(countdown.State(), TCountdown::TState::RunOut);
  EXPECT_EQ(countdown.Tick(), TCountdown::TState::RunOut);
  EXPECT_EQ(countdown.SecondsLeft(), 0);
}

TEST(Countdown, CancelledStaysCancelled) {
  struct TCase {
    int TicksBeforeCancel;
    TCountdown::TState Expected;
    int SecondsLeft;
  } cases[] = {
      {0, TCountdown::TState::Cancelled, 30},
      {27, TCountdown::TState::Cancelled, 3},
      {30, TCountdown::TState::Cancelled, 0},
      {31, TCountdown::TState::RunOut, 0},  // too late: the action is under way
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.TicksBeforeCancel);
    TCountdown countdown;
    for (int i = 0; i < c.TicksBeforeCancel; ++i) countdown.Tick();
    countdown.Cancel();
    for (int i = 0; i < 40; ++i) countdown.Tick();
    EXPECT_EQ(countdown.State(), c.Expected);
    EXPECT_EQ(countdown.SecondsLeft(), c.SecondsLeft);
  }
}

// The countdown names the action that follows it, the product included.
TEST(Countdown, WarningAndCaptionNameTheAction) {
  ResetLanguage();
  const std::string product = "Kinovert 3GP Converter";
  struct TCase {
    uint8_t Flag;
    std::string Detail, Title;
  } cases[] = {
      {0, "If you don't press Cancel now, " + product + " will close.", "Close " + product},
      // Powering off keeps the countdown's classic text.
      {1, FormatText(ResStr(MSG_WARNING_DETAIL), {product}), "Shutdown"},
      {2, "If you don't press Cancel now, " + product + " will log you off.", "Log off"},
      {3, "If you don't press Cancel now, " + product + " will restart the computer.", "Restart"},
      {4, "If you don't press Cancel now, " + product + " will hibernate the computer.",
       "Hibernate"},
      {5, "If you don't press Cancel now, " + product + " will suspend the computer.", "Suspend"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(+c.Flag);
    EXPECT_EQ(CountdownWarningDetail(c.Flag), c.Detail);
    EXPECT_NE(c.Detail.find(product), std::string::npos);
    EXPECT_EQ(CountdownTitle(c.Flag), c.Title);
  }
}
