// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/TimeFields.h"

#include <gtest/gtest.h>

namespace {

struct TTimeCase {
  const char* Name;
  const char* Start;     // stored
  const char* Duration;  // stored
  TTimeField Field;      // the field typed into and left
  const char* Typed;
  const char* WantStart;
  const char* WantEnd;
  const char* WantDuration;
};

constexpr auto S = TTimeField::Start;
constexpr auto E = TTimeField::End;
constexpr auto D = TTimeField::Duration;
constexpr const char* Zero = "0:00:00.000";

const TTimeCase kCases[] = {
    {"MinutesAndSeconds", Zero, Zero, S, "1:2", "0:01:02.000", "0:01:02.000", Zero},
    {"DigitsAfterThePointAreMilliseconds", Zero, Zero, S, "0:00:01.5", "0:00:01.005", "0:00:01.005",
     Zero},
    {"TwoHundredHoursAccepted", Zero, Zero, S, "200:00:00.000", "200:00:00.000", "200:00:00.000",
     Zero},
    {"OneMillisecondMoreReverts", Zero, Zero, S, "200:00:00.001", Zero, Zero, Zero},
    {"EmptyStartReverts", "0:00:10.000", Zero, S, "", "0:00:10.000", "0:00:10.000", Zero},
    {"EmptyEndReverts", Zero, "0:00:05.000", E, "", Zero, "0:00:05.000", "0:00:05.000"},
    {"EmptyDurationReverts", Zero, "0:00:05.000", D, "", Zero, "0:00:05.000", "0:00:05.000"},
    {"StartAfterEndMovesEnd", Zero, "0:00:30.000", S, "0:01:00.000", "0:01:00.000", "0:01:00.000",
     Zero},
    {"StartBeforeEndKeepsEnd", Zero, "0:00:30.000", S, "10", "0:00:10.000", "0:00:30.000",
     "0:00:20.000"},
    {"EndBeforeStartReverts", "0:00:20.000", Zero, E, "0:00:10.000", "0:00:20.000", "0:00:20.000",
     Zero},
    {"EndSetsDuration", "0:00:20.000", Zero, E, "1:00", "0:00:20.000", "0:01:00.000",
     "0:00:40.000"},
    {"EndBeyondTwoHundredHoursReverts", Zero, Zero, E, "200:00:00.001", Zero, Zero, Zero},
    {"DurationRecomputesEnd", "0:00:10.000", Zero, D, "0:00:05.000", "0:00:10.000", "0:00:15.000",
     "0:00:05.000"},
    // End may pass 200 hours: it is shown, never stored.
    {"EndMayPassTheLimit", "1:00:00.000", Zero, D, "200:00:00", "1:00:00.000", "201:00:00.000",
     "200:00:00.000"},
    // An unreadable stored Start gives no made-up End, and End cannot be
    // measured from it until Start is fixed.
    {"UnreadableStartBlocksEnd", "abc", "0:00:05.000", E, "0:00:10.000", "abc", "", "0:00:05.000"},
};

class TimeFieldsTest : public testing::TestWithParam<TTimeCase> {};

TEST_P(TimeFieldsTest, LeavingAFieldNormalisesOrReverts) {
  const TTimeCase& c = GetParam();
  TTimeFields time;
  time.Load(c.Start, c.Duration);
  time.Enter(c.Field);
  time.SetText(c.Field, c.Typed);
  time.Leave(c.Field);
  EXPECT_EQ(time.Text(S), c.WantStart);
  EXPECT_EQ(time.Text(E), c.WantEnd);
  EXPECT_EQ(time.Text(D), c.WantDuration);
}

INSTANTIATE_TEST_SUITE_P(Cases, TimeFieldsTest, testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.Name); });

TEST(TimeFields, RevertGoesBackToTheTextOnEntryNotTheStoredOne) {
  TTimeFields time;
  time.Load("0:00:10.000", "0:00:05.000");
  time.Enter(S);
  time.SetText(S, "0:00:02");
  time.Leave(S);
  time.Enter(S);
  time.SetText(S, "later");
  time.Leave(S);
  EXPECT_EQ(time.Text(S), "0:00:02.000");
  EXPECT_EQ(time.Text(E), "0:00:15.000");
}

}  // namespace
