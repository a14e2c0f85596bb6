// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/LadderBar.h"

#include <gtest/gtest.h>

#include "profiles/ProfileSettings.h"

namespace {

struct TLoadCase {
  const char* Name;
  TLadder Ladder;
  int Max;
  int32_t Stored;
  int WantPosition;
  const char* WantShown;
};

// A value the bar cannot show stands at the nearest position, but the label
// shows it and it is saved as it was.
const TLoadCase kLoads[] = {
    {"OnTheLadder", VideoPresetLadder, 10, 1080, 6, "1080"},
    {"BeyondTheBarShowsItsEndAndKeepsTheValue", VideoPresetLadder, 10, 4600, 10, "4600"},
    {"OffTheLadderShowsTheNearestEntry", VideoPresetLadder, 10, 144, 2, "144"},
    {"AsNearToTwoEntriesShowsTheLowerOne", VideoPresetLadder, 13, 96, 1, "96"},
    {"ZeroIsOffTheLadder", VideoPresetLadder, 13, 0, 1, "0"},
    {"LastMatchWins", DvdAudioPresetLadder, 10, 128, 5, "128"},
    {"DvdVideoStopsAtElevenSteps", VideoPresetLadder, 11, 6000, 11, "6000"},
    {"AudioOffTheLadder", AacPresetLadder, 12, 100, 6, "100"},
};

class LadderLoadTest : public testing::TestWithParam<TLoadCase> {};

TEST_P(LadderLoadTest, PositionShownAndSavedValue) {
  const TLoadCase& c = GetParam();
  TLadderBar bar(c.Ladder, c.Max);
  bar.Load(c.Stored);
  EXPECT_EQ(bar.Position(), c.WantPosition);
  EXPECT_EQ(bar.Entry(), c.WantShown);
  EXPECT_EQ(bar.Value(), c.Stored);
  // Moving the bar, even onto the position it stands at, makes its entry
  // count.
  bar.SetPosition(c.WantPosition);
  EXPECT_EQ(bar.Value(), LadderValue(c.Ladder, c.WantPosition));
  EXPECT_EQ(bar.Entry(), c.Ladder[static_cast<size_t>(c.WantPosition) - 1]);
}

INSTANTIATE_TEST_SUITE_P(Cases, LadderLoadTest, testing::ValuesIn(kLoads),
                         [](const auto& p) { return std::string(p.param.Name); });

// A range rule of the dialog's opening narrows the bar and keeps the value;
// one the user brought about lets it go when the range cannot hold it.
TEST(LadderBar, KeptValuesAndRanges) {
  TLadderBar bar(AacPresetLadder, 12);
  bar.Load(144);  // between 128 and 160
  bar.SetRange(1, 5);
  EXPECT_EQ(bar.Position(), 5);
  EXPECT_EQ(bar.Value(), 144);
  bar.SetRange(1, 12);
  bar.DropKeptOutsideRange();
  EXPECT_EQ(bar.Value(), 144);
  bar.SetRange(1, 5);
  bar.DropKeptOutsideRange();
  EXPECT_EQ(bar.Value(), 64);
  EXPECT_FALSE(bar.KeepsStoredValue());
}

struct TRangeCase {
  const char* Name;
  int FromMin, FromMax, FromPosition;
  int Min, Max;  // SetRange
  int WantMin, WantMax, WantPosition;
};

// The minimum is set first; a minimum above the current maximum and a
// maximum below the current minimum are ignored; the position follows.
const TRangeCase kRanges[] = {
    {"Narrows", 1, 12, 8, 1, 5, 1, 5, 5},
    {"WidensWithoutMovingThePosition", 1, 5, 5, 1, 12, 1, 12, 5},
    {"RaisesTheMinimum", 1, 14, 1, 6, 14, 6, 14, 6},
    {"MinimumAboveMaximumIgnored", 1, 5, 3, 8, 12, 1, 12, 3},
    {"MaximumBelowMinimumIgnored", 6, 14, 10, 1, 4, 1, 4, 4},
};

class LadderRangeTest : public testing::TestWithParam<TRangeCase> {};

TEST_P(LadderRangeTest, SetRange) {
  const TRangeCase& c = GetParam();
  TLadderBar bar(Ac3PresetLadder, 14);
  bar.SetMin(c.FromMin);
  bar.SetMax(c.FromMax);
  bar.SetPosition(c.FromPosition);
  bar.SetRange(c.Min, c.Max);
  EXPECT_EQ(bar.Min(), c.WantMin);
  EXPECT_EQ(bar.Max(), c.WantMax);
  EXPECT_EQ(bar.Position(), c.WantPosition);
}

INSTANTIATE_TEST_SUITE_P(Cases, LadderRangeTest, testing::ValuesIn(kRanges),
                         [](const auto& p) { return std::string(p.param.Name); });

TEST(LadderBar, SingleBoundsAreIgnoredOnConflict) {
  TLadderBar bar(Ac3PresetLadder, 14);
  bar.SetRange(6, 14);
  bar.SetMax(4);
  EXPECT_EQ(bar.Max(), 14);
  bar.SetRange(1, 5);
  bar.SetMin(9);
  EXPECT_EQ(bar.Min(), 1);
}

}  // namespace
