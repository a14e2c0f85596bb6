// SPDX-License-Identifier: GPL-3.0-or-later
// Video and audio blocks over the real settings records.
#include <gtest/gtest.h>

#include "app/GlobalVars.h"
#include "editors/AudioBlockState.h"
#include "editors/EditorDesc.h"
#include "editors/VideoBlockState.h"
#include "profiles/ProfileSettings.h"

namespace {

const TVideoBlockDesc& VideoBlock(int format, std::string_view suffix) {
  for (const TVideoBlockDesc& b : FindEditorDesc(format)->VideoBlocks)
    if (b.Suffix == suffix) return b;
  throw std::logic_error("no such block");
}

const TAudioBlockDesc& AudioBlock(int format, std::string_view suffix) {
  for (const TAudioBlockDesc& b : FindEditorDesc(format)->AudioBlocks)
    if (b.Suffix == suffix) return b;
  throw std::logic_error("no such block");
}

struct TSizeCase {
  const char* Name;
  int Format;
  const char* Block;
  int Typed;
  int WantAfterLeaving;
};

const TSizeCase kEven[] = {
    {"OddBecomesEven", of3GP, "DivX", 301, 302}, {"TopOfTheRange", ofAVI, "XviD", 1599, 1600},
    {"AviWidth", ofAVI, "DivX", 351, 352},       {"MpegKeepsOdd", ofMPEG, "Mpeg1", 351, 351},
    {"EvenStays", ofMOV, "H264", 640, 640},      {"BelowTheSpinRange", of3GP, "XviD", 1, 2},
};

class EvenSizeTest : public testing::TestWithParam<TSizeCase> {};

TEST_P(EvenSizeTest, LeavingWidthOrHeight) {
  const TSizeCase& c = GetParam();
  TVideoBlockState block(VideoBlock(c.Format, c.Block));
  block.SetWidth(c.Typed);
  block.LeaveWidth();
  block.SetHeight(c.Typed);
  block.LeaveHeight();
  EXPECT_EQ(block.Width, c.WantAfterLeaving);
  EXPECT_EQ(block.Height, c.WantAfterLeaving);
}

INSTANTIATE_TEST_SUITE_P(Cases, EvenSizeTest, testing::ValuesIn(kEven),
                         [](const auto& p) { return std::string(p.param.Name); });

struct TListCase {
  int Format;
  const char* Block;
  int Width, Height;
  const char* WantItem;
};

const TListCase kSync[] = {
    {of3GP, "DivX", 220, 176, "220x176"},
    {of3GP, "DivX", 352, 288, "352x288"},
    {of3GP, "DivX", 352, 290, "..."},
    {ofMP4, "H264", 368, 208, "368x208 (PSP Full Screen)"},
    {ofMP4, "H264", 176, 144, "176x144 (Mobile)"},
    {ofMPEG, "Mpeg2", 160, 320, "160 x 320"},
    {ofAVI, "DivX", 1280, 720, "1280x720"},
    {ofRM, "Rm10", 1280, 720, "..."},
};

TEST(SizeList, TypedSizesSelectTheirItemAndItemsSetTheirSize) {
  for (const TListCase& c : kSync) {
    SCOPED_TRACE(std::string(c.Block) + " " + std::to_string(c.Width));
    TVideoBlockState block(VideoBlock(c.Format, c.Block));
    block.SetWidth(c.Width);
    block.SetHeight(c.Height);
    const int item = block.SizeListIndex;
    EXPECT_EQ(SizeItemText(block.Desc().Sizes[static_cast<size_t>(item)]), c.WantItem);
    // Choosing the item gives the size back; "..." changes nothing but the list.
    block.SetWidth(100);
    block.SetHeight(100);
    block.ChooseSize(item);
    const bool other = std::string_view(c.WantItem) == "...";
    EXPECT_EQ(block.Width, other ? 100 : c.Width);
    EXPECT_EQ(block.Height, other ? 100 : c.Height);
    EXPECT_EQ(block.SizeListIndex, item);
  }
}

struct TH263Case {
  int Width, Height;          // stored
  int WantWidth, WantHeight;  // saved
};

TEST(H263Size, OnlyTheThreeSizesAndTheLastCheckedOneStays) {
  const TH263Case cases[] = {
      {320, 240, 352, 288}, {128, 96, 128, 96}, {176, 144, 176, 144}, {0, 0, 352, 288}};
  for (const TH263Case& c : cases) {
    ResetAllProfileSettings();
    TTGPSettings& r = TGPSettings;
    r.VideoWidthH263 = c.Width;
    r.VideoHeightH263 = c.Height;
    TVideoBlockState block(VideoBlock(of3GP, "H263"));
    block.Load(TRecordFields(of3GP));
    block.Save(TRecordFields(of3GP));
    EXPECT_EQ(r.VideoWidthH263, c.WantWidth) << c.Width;
    EXPECT_EQ(r.VideoHeightH263, c.WantHeight) << c.Width;
  }
  // A second load with a foreign size keeps what the first one checked.
  TVideoBlockState block(VideoBlock(of3GP, "H263"));
  TGPSettings.VideoWidthH263 = 128;
  TGPSettings.VideoHeightH263 = 96;
  block.Load(TRecordFields(of3GP));
  TGPSettings.VideoWidthH263 = 320;
  TGPSettings.VideoHeightH263 = 240;
  block.Load(TRecordFields(of3GP));
  block.Save(TRecordFields(of3GP));
  EXPECT_EQ(TGPSettings.VideoWidthH263, 128);
}

TEST(VideoBlock, ConfigureBoundsAreTheLadderEnds) {
  struct {
    int Format;
    const char* Block;
    int32_t Min, Max;
    int TrackBarMax;
  } cases[] = {{of3GP, "DivX", 64, 9600, 10},
               {ofWMV, "Wmv8", 64, 6000, 12},
               {ofASF, "MsMpeg4", 64, 6000, 12},
               {ofSWF, "Flv", 64, 3600, 11},
               {ofAVI, "H263", 64, 9600, 13}};
  for (const auto& c : cases) {
    TVideoBlockState block(VideoBlock(c.Format, c.Block));
    EXPECT_EQ(block.Bitrate.ConfigureMin(), c.Min) << c.Block;
    EXPECT_EQ(block.Bitrate.ConfigureMax(), c.Max) << c.Block;
    EXPECT_EQ(block.Bitrate.Bar.Max(), c.TrackBarMax) << c.Block;
    block.Bitrate.Bar.SetPosition(99);
    EXPECT_EQ(block.Bitrate.Bar.Value(), c.Format == of3GP ? 2496 : c.Max) << c.Block;
  }
}

// ---------------------------------------------------------------- audio range rules

struct TRuleCase {
  const char* Name;
  int Format;
  const char* Block;
  int SampleRate, Channels;
  int32_t Stored;
  int32_t WantClamped;  // once the user picks the rate or the channels
  int WantMin, WantMax;
};

const TRuleCase kRules[] = {
    {"AacAt11025", ofAAC, "AACMp4", 0, 1, 128, 64, 1, 5},
    {"AacAt16000", of3GP, "AACMp4", 2, 1, 128, 96, 1, 6},
    {"AacAt32000", ofMOV, "AACMp4", 5, 1, 256, 192, 1, 10},
    {"AacPsp", ofMP4, "AACPsp", 0, 1, 256, 256, 1, 12},
    {"Ac3At44100", ofAC3, "AC3", 2, 1, 32, 48, 2, 14},
    {"Ac3At22050", ofRM, "AC3", 0, 0, 448, 320, 1, 12},
    {"Ac3SixChannels", ofVOB, "AC3", 3, 2, 32, 112, 6, 14},
    // The hidden rate does not narrow six channels first.
    {"Ac3SixChannelsAt22050", ofAC3, "AC3", 0, 2, 448, 448, 6, 14},
    {"Mp2At24000", ofMP2, "Mp2", 1, 1, 384, 160, 1, 8},
    {"Mp2At48000", ofAVI, "Mp2", 3, 1, 384, 384, 1, 13},
    {"Mp3At22050", ofMP3, "Mp3", 0, 1, 320, 160, 1, 8},
    {"SwfMp3At22050", ofSWF, "Mp3", 1, 1, 320, 160, 1, 8},
    {"SwfMp3At44100", ofSWF, "Mp3", 2, 1, 320, 320, 1, 12},
    {"AmrHasNoRule", ofAMR, "Armwb", 0, 0, 24, 24, 1, 7},
};

class RangeRuleTest : public testing::TestWithParam<TRuleCase> {};

// Showing the dialog narrows the bar but saves the stored bitrate; a choice
// of the user's brings the rule to bear on it.
TEST_P(RangeRuleTest, ShowingNarrowsTheBarAndTheUsersChoiceClamps) {
  const TRuleCase& c = GetParam();
  ResetAllProfileSettings();
  const TRecordFields record(c.Format);
  record.SetInt(Key("AudioSampleRate", c.Block), c.SampleRate);
  record.SetInt(Key("AudioChannels", c.Block), c.Channels);
  record.SetInt(Key("AudioBitRatePreset", c.Block), c.Stored);
  TAudioBlockState block(AudioBlock(c.Format, c.Block));
  block.Load(record);
  block.ApplyRangeRule();
  EXPECT_EQ(block.Bar.Min(), c.WantMin);
  EXPECT_EQ(block.Bar.Max(), c.WantMax);
  EXPECT_EQ(block.Bar.Value(), c.Stored);
  block.Save(record);
  EXPECT_EQ(record.Int(Key("AudioBitRatePreset", c.Block)), c.Stored);
  block.ChannelsChanged();
  EXPECT_EQ(block.Bar.Value(), c.WantClamped);
  EXPECT_EQ(block.Bar.Min(), c.WantMin);
  EXPECT_EQ(block.Bar.Max(), c.WantMax);
  block.Save(record);
  EXPECT_EQ(record.Int(Key("AudioBitRatePreset", c.Block)), c.WantClamped);
}

INSTANTIATE_TEST_SUITE_P(Cases, RangeRuleTest, testing::ValuesIn(kRules),
                         [](const auto& p) { return std::string(p.param.Name); });

TEST(AudioBlock, AClampedBitrateDoesNotComeBackWithAWiderRate) {
  ResetAllProfileSettings();
  TGPSettings.AudioSampleRateAACMp4 = 0;  // 11025
  TGPSettings.AudioBitRatePresetAACMp4 = 128;
  TAudioBlockState block(AudioBlock(of3GP, "AACMp4"));
  block.Load(TRecordFields(of3GP));
  block.ApplyRangeRule();
  EXPECT_EQ(block.Bar.Position(), 5);
  EXPECT_EQ(block.Bar.Entry(), "128");
  // A rate that can carry it shows it at its own place.
  block.SampleRate.Index = 3;  // 22050
  block.SampleRateChanged();
  EXPECT_EQ(block.Bar.Position(), 8);
  EXPECT_EQ(block.Bar.Value(), 128);
  block.SampleRate.Index = 0;
  block.SampleRateChanged();
  EXPECT_EQ(block.Bar.Value(), 64);
  block.SampleRate.Index = 6;
  block.SampleRateChanged();
  EXPECT_EQ(block.Bar.Max(), 12);
  block.Save(TRecordFields(of3GP));
  EXPECT_EQ(TGPSettings.AudioBitRatePresetAACMp4, 64);
  EXPECT_EQ(TGPSettings.AudioSampleRateAACMp4, 6);
}

TEST(AudioBlock, Ac3ChannelsCoverTheRateAndGoingBackUncoversIt) {
  ResetAllProfileSettings();
  Ac3Settings.AudioSampleRateAC3 = 0;
  Ac3Settings.AudioChannelsAC3 = 1;
  Ac3Settings.AudioBitRatePresetAC3 = 64;
  TAudioBlockState block(AudioBlock(ofAC3, "AC3"));
  block.Load(TRecordFields(ofAC3));
  block.ApplyRangeRule();
  EXPECT_FALSE(block.SixChannelGroupInFront());
  block.Channels.Index = 2;
  block.ChannelsChanged();
  EXPECT_TRUE(block.SixChannelGroupInFront());
  EXPECT_EQ(block.Bar.Value(), 112);
  block.Channels.Index = 1;
  block.ChannelsChanged();
  EXPECT_FALSE(block.SixChannelGroupInFront());
  EXPECT_EQ(block.Bar.Min(), 1);
  EXPECT_EQ(block.Bar.Max(), 12);
  // The rate stays as it was while six channels were chosen.
  block.Save(TRecordFields(ofAC3));
  EXPECT_EQ(Ac3Settings.AudioSampleRateAC3, 0);
}

TEST(AudioBlock, AutoBitrateStillSavesTheTrackBarValue) {
  ResetAllProfileSettings();
  Mp3Settings.AudioBitRateUseAutoSetMp3 = true;
  Mp3Settings.AudioBitRatePresetMp3 = 224;
  Mp3Settings.AudioSampleRateMp3 = 2;
  TAudioBlockState block(AudioBlock(ofMP3, "Mp3"));
  block.Load(TRecordFields(ofMP3));
  EXPECT_FALSE(block.BitrateEnabled());
  block.Bar.SetPosition(12);
  block.Save(TRecordFields(ofMP3));
  EXPECT_TRUE(Mp3Settings.AudioBitRateUseAutoSetMp3);
  EXPECT_EQ(Mp3Settings.AudioBitRatePresetMp3, 320);
}

TEST(AudioBlock, ListsOutsideTheirItemsAreWrittenBackUnchanged) {
  ResetAllProfileSettings();
  AmrSettings.AudioChannelsArmnb = 1;  // the AMR lists offer mono only
  AmrSettings.AudioSampleRateArmnb = 9;
  TAudioBlockState block(AudioBlock(ofAMR, "Armnb"));
  block.Load(TRecordFields(ofAMR));
  EXPECT_EQ(block.Channels.Index, -1);
  EXPECT_EQ(block.SampleRate.Index, -1);
  block.Save(TRecordFields(ofAMR));
  EXPECT_EQ(AmrSettings.AudioChannelsArmnb, 1);
  EXPECT_EQ(AmrSettings.AudioSampleRateArmnb, 9);
}

}  // namespace
