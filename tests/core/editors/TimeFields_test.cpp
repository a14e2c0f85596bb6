// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/TimeFields.h"

#include <gtest/gtest.h>

#include "lang/ResStr.h"
#include "support/RecordingDialogs.h"

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
  const char* WantMessage = nullptr;  // why a refused text went back
};

constexpr auto S = TTimeField::Start;
constexpr auto E = TTimeField::End;
constexpr auto D = TTimeField::Duration;
constexpr const char* Zero = "0:00:00.000";

const TTimeCase kCases[] = {
    {"MinutesAndSeconds", Zero, Zero, S, "1:2", "0:01:02.000", "0:01:02.000", Zero},
    {"AFractionIsAFractionOfASecond", Zero, Zero, S, "0:00:01.5", "0:00:01.500", "0:00:01.500",
     Zero},
    {"SecondsWithAFraction", Zero, Zero, D, "1.05", Zero, "0:00:01.050", "0:00:01.050"},
    {"TwoHundredHoursAccepted", Zero, Zero, S, "200:00:00.000", "200:00:00.000", "200:00:00.000",
     Zero},
    {"OneMillisecondMoreReverts", Zero, Zero, S, "200:00:00.001", Zero, Zero, Zero,
     "200:00:00.001 is too long: a time may be at most 200:00:00.000 (200 hours). The previous "
     "value has been restored."},
    {"EmptyStartReverts", "0:00:10.000", Zero, S, "", "0:00:10.000", "0:00:10.000", Zero,
     "\"\" is not a time. Type hours:minutes:seconds (for example 1:02:03.5), minutes:seconds "
     "(2:30) or seconds (90 or 1.5). The previous value has been restored."},
    {"EmptyEndReverts", Zero, "0:00:05.000", E, "", Zero, "0:00:05.000", "0:00:05.000",
     "\"\" is not a time. Type hours:minutes:seconds (for example 1:02:03.5), minutes:seconds "
     "(2:30) or seconds (90 or 1.5). The previous value has been restored."},
    {"EmptyDurationReverts", Zero, "0:00:05.000", D, "", Zero, "0:00:05.000", "0:00:05.000",
     "\"\" is not a time. Type hours:minutes:seconds (for example 1:02:03.5), minutes:seconds "
     "(2:30) or seconds (90 or 1.5). The previous value has been restored."},
    {"LettersRevert", Zero, "0:00:05.000", D, "5s", Zero, "0:00:05.000", "0:00:05.000",
     "\"5s\" is not a time. Type hours:minutes:seconds (for example 1:02:03.5), minutes:seconds "
     "(2:30) or seconds (90 or 1.5). The previous value has been restored."},
    {"StartAfterEndMovesEnd", Zero, "0:00:30.000", S, "0:01:00.000", "0:01:00.000", "0:01:00.000",
     Zero},
    {"StartBeforeEndKeepsEnd", Zero, "0:00:30.000", S, "10", "0:00:10.000", "0:00:30.000",
     "0:00:20.000"},
    {"EndBeforeStartReverts", "0:00:20.000", Zero, E, "0:00:10.000", "0:00:20.000", "0:00:20.000",
     Zero,
     "The end time 0:00:10.000 lies before the start time 0:00:20.000. The previous value has been "
     "restored."},
    {"EndSetsDuration", "0:00:20.000", Zero, E, "1:00", "0:00:20.000", "0:01:00.000",
     "0:00:40.000"},
    {"EndBeyondTwoHundredHoursReverts", Zero, Zero, E, "200:00:00.001", Zero, Zero, Zero,
     "200:00:00.001 is too long: a time may be at most 200:00:00.000 (200 hours). The previous "
     "value has been restored."},
    {"DurationRecomputesEnd", "0:00:10.000", Zero, D, "0:00:05.000", "0:00:10.000", "0:00:15.000",
     "0:00:05.000"},
    // End may pass 200 hours: it is shown, never stored.
    {"EndMayPassTheLimit", "1:00:00.000", Zero, D, "200:00:00", "1:00:00.000", "201:00:00.000",
     "200:00:00.000"},
    // An unreadable stored Start gives no made-up End, and End cannot be
    // measured from it until Start is fixed.
    {"UnreadableStartBlocksEnd", "abc", "0:00:05.000", E, "0:00:10.000", "abc", "", "0:00:05.000",
     "\"abc\" is not a time. Type hours:minutes:seconds (for example 1:02:03.5), minutes:seconds "
     "(2:30) or seconds (90 or 1.5). The previous value has been restored."},
};

class TimeFieldsTest : public testing::TestWithParam<TTimeCase> {};

TEST_P(TimeFieldsTest, LeavingAFieldNormalisesOrRevertsWithAReason) {
  const TTimeCase& c = GetParam();
  TRecordingDialogs dialogs;
  TTimeFields time;
  time.Load(c.Start, c.Duration);
  time.Enter(c.Field);
  time.SetText(c.Field, c.Typed);
  EXPECT_EQ(time.Leave(c.Field), c.WantMessage == nullptr);
  EXPECT_EQ(time.Text(S), c.WantStart);
  EXPECT_EQ(time.Text(E), c.WantEnd);
  EXPECT_EQ(time.Text(D), c.WantDuration);
  if (c.WantMessage == nullptr) {
    EXPECT_TRUE(dialogs.Messages.empty());
  } else {
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, c.WantMessage);
    EXPECT_EQ(dialogs.Messages[0].Caption, ResStr(MSG_TIME_REFUSED_TITLE));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, TimeFieldsTest, testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.Name); });

TEST(TimeFields, RevertGoesBackToTheTextOnEntryNotTheStoredOne) {
  TRecordingDialogs dialogs;
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
