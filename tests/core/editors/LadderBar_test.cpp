// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/LadderBar.h"

#include <gtest/gtest.h>

#include "profiles/ProfileSettings.h"

namespace {

struct TLoadCase {
  const char* Name;
  TLadder Ladder;
  int Max;
  int DefaultPosition;
  int32_t Stored;
  int WantPosition;
  int32_t WantSaved;
};

const TLoadCase kLoads[] = {
    {"OnTheLadder", VideoPresetLadder, 10, 2, 1080, 6, 1080},
    {"BeyondTheBarShowsItsEnd", VideoPresetLadder, 10, 2, 4600, 10, 2496},
    {"OffTheLadderShowsTheDefault", VideoPresetLadder, 10, 2, 144, 2, 128},
    {"ZeroIsOffTheLadder", VideoPresetLadder, 13, 2, 0, 2, 128},
    {"LastMatchWins", DvdAudioPresetLadder, 10, 6, 128, 5, 128},
    {"DvdVideoStopsAtElevenSteps", VideoPresetLadder, 11, 6, 6000, 11, 4600},
    {"AudioDefaultPosition", AacPresetLadder, 12, 4, 100, 4, 56},
};

class LadderLoadTest : public testing::TestWithParam<TLoadCase> {};

TEST_P(LadderLoadTest, PositionAndSavedValue) {
  const TLoadCase& c = GetParam();
  TLadderBar bar(c.Ladder, c.Max);
  bar.Load(c.Stored, c.DefaultPosition);
  EXPECT_EQ(bar.Position(), c.WantPosition);
  EXPECT_EQ(bar.Value(), c.WantSaved);
}

INSTANTIATE_TEST_SUITE_P(Cases, LadderLoadTest, testing::ValuesIn(kLoads),
                         [](const auto& p) { return std::string(p.param.Name); });

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
