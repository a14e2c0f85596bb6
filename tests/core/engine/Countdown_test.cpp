// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Countdown.h"

#include <gtest/gtest.h>

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

TEST(Countdown, WarningNamesTheProduct) {
  ResetLanguage();
  EXPECT_EQ(CountdownWarningDetail(),
            "If you don't press Cancel now, Kinovert 3GP Converter will shut down the computer.");
}
