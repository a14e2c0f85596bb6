// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/EditorState.h"

#include <gtest/gtest.h>

#include "app/GlobalVars.h"
#include "profiles/ProfileSettings.h"
#include "support/ProfileSnapshot.h"
#include "support/RecordingDialogs.h"

namespace {

// Default, then LoadControls, show, SaveControls over a scrambled record.
TProfileValues DefaultThroughEditor(int format) {
  DefaultProfile(format);
  TEditorState state(*FindEditorDesc(format));
  state.Load();
  state.Show();
  ScrambleProfile(format);
  state.Save();
  return ProfileSnapshot(format);
}

class DefaultRoundTrip : public testing::TestWithParam<int> {};

TEST_P(DefaultRoundTrip, GivesBackTheDefaults) {
  const int format = GetParam();
  ResetAllProfileSettings();
  const TProfileValues want = DefaultsAsAnEditorSavesThem(format);
  EXPECT_EQ(DefaultThroughEditor(format), want);
}

INSTANTIATE_TEST_SUITE_P(EveryEditor, DefaultRoundTrip, testing::Range(0, kOutputFormatCount),
                         [](const auto& p) {
                           return std::string(OutputFormatNames[static_cast<size_t>(p.param)]);
                         });

TEST(EditorState, FieldsNoListSelectsSurviveASave) {
  ResetAllProfileSettings();
  DefaultAVISettings();
  AVISettings.VideoBitRatePresetDV = 4600;
  AVISettings.VideoWidthMpeg2 = 720;
  AVISettings.VideoKeepFrameRateMpeg1 = false;
  MP4Settings.VideoAspectXviD = 2;
  TEditorState avi(*FindEditorDesc(ofAVI));
  avi.Load();
  ResetAllProfileSettings();
  avi.Save();
  EXPECT_EQ(AVISettings.VideoBitRatePresetDV, 4600);
  EXPECT_EQ(AVISettings.VideoWidthMpeg2, 720);
  EXPECT_FALSE(AVISettings.VideoKeepFrameRateMpeg1);
}

TEST(EditorState, ListIndexesOffTheirListsAreWrittenBack) {
  ResetAllProfileSettings();
  DefaultTGPSettings();
  TGPSettings.TgpFormat = 7;
  TGPSettings.VideoCodecSony = 200;
  TGPSettings.VideoFrameRateDivX = 40;
  TEditorState state(*FindEditorDesc(of3GP));
  state.Load();
  state.Show();
  EXPECT_EQ(state.ListIndex("TgpFormat"), -1);
  ResetAllProfileSettings();
  state.Save();
  EXPECT_EQ(TGPSettings.TgpFormat, 7);
  EXPECT_EQ(TGPSettings.VideoCodecSony, 200);
  EXPECT_EQ(TGPSettings.VideoFrameRateDivX, 40);
}

// ---------------------------------------------------------------- 3GP lists

struct TPick {
  const char* List;
  int Index;
  const char* WantCaption;  // empty: no advisory
};

TEST(TgpEditor, AdvisoriesOnPickingNeverOnLoading) {
  ResetAllProfileSettings();
  DefaultTGPSettings();
  TGPSettings.VideoCodecNokia = 1;
  TGPSettings.AudioCodecNokia = 2;
  TRecordingDialogs dialogs;
  TEditorState state(*FindEditorDesc(of3GP));
  state.Load();
  state.Show();
  EXPECT_TRUE(dialogs.Messages.empty());

  const TPick picks[] = {{"VideoCodecNokia", 1, "MPEG-4 Video Codec selected"},
                         {"VideoCodecNokia", 0, ""},
                         {"AudioCodecNokia", 1, "AMR-WB Audio Codec selected"},
                         {"AudioCodecNokia", 2, "AAC Audio Codec selected"},
                         {"AudioCodecNokia", 0, ""},
                         {"VideoCodecSony", 1, ""},
                         {"AudioCodecSony", 0, ""},
                         {"TgpFormat", 1, ""}};
  for (const TPick& pick : picks) {
    dialogs.Messages.clear();
    state.PickListItem(pick.List, pick.Index);
    if (*pick.WantCaption == '\0') {
      EXPECT_TRUE(dialogs.Messages.empty()) << pick.List << " " << pick.Index;
    } else {
      ASSERT_EQ(dialogs.Messages.size(), 1u) << pick.List << " " << pick.Index;
      EXPECT_EQ(dialogs.Messages[0].Caption, pick.WantCaption);
      EXPECT_EQ(dialogs.Messages[0].Flags, MB_OK | MB_ICONEXCLAMATION);
      EXPECT_EQ(dialogs.Messages[0].Text.rfind("ATTENTION!\n\r", 0), 0u);
    }
  }
}

struct TPagesCase {
  int Type, VideoNokia, VideoSony, AudioNokia, AudioSony;
  const char* WantVideo;
  const char* WantAudio;
  const char* WantFrontVideoList;
};

TEST(TgpEditor, TheTypeDecidesWhichPairChoosesThePages) {
  const TPagesCase cases[] = {
      {0, 0, 1, 0, 0, "H263", "Armnb", "VideoCodecNokia"},
      {0, 1, 1, 1, 0, "DivX", "Armwb", "VideoCodecNokia"},
      {0, 0, 0, 2, 0, "H263", "AACMp4", "VideoCodecNokia"},
      {1, 0, 1, 0, 0, "XviD", "AACMp4", "VideoCodecSony"},
      {2, 0, 0, 1, 0, "DivX", "AACMp4", "VideoCodecSony"},
  };
  for (const TPagesCase& c : cases) {
    ResetAllProfileSettings();
    DefaultTGPSettings();
    TGPSettings.TgpFormat = static_cast<uint8_t>(c.Type);
    TGPSettings.VideoCodecNokia = static_cast<uint8_t>(c.VideoNokia);
    TGPSettings.VideoCodecSony = static_cast<uint8_t>(c.VideoSony);
    TGPSettings.AudioCodecNokia = static_cast<uint8_t>(c.AudioNokia);
    TGPSettings.AudioCodecSony = static_cast<uint8_t>(c.AudioSony);
    TEditorState state(*FindEditorDesc(of3GP));
    state.Load();
    state.Show();
    const TEditorDesc& desc = state.Desc();
    SCOPED_TRACE(c.Type);
    EXPECT_EQ(desc.VideoBlocks[static_cast<size_t>(state.VideoPage())].Suffix, c.WantVideo);
    EXPECT_EQ(desc.AudioBlocks[static_cast<size_t>(state.AudioPage())].Suffix, c.WantAudio);
    EXPECT_EQ(desc.Lists[static_cast<size_t>(state.FrontList(TListRole::Video))].Key,
              c.WantFrontVideoList);
  }
}

TEST(TgpEditor, SwitchingTypesKeepsEachPairsChoice) {
  ResetAllProfileSettings();
  DefaultTGPSettings();
  TGPSettings.VideoCodecNokia = 1;
  TGPSettings.VideoCodecSony = 1;
  TEditorState state(*FindEditorDesc(of3GP));
  state.Load();
  state.Show();
  state.PickListItem("TgpFormat", 1);
  EXPECT_EQ(state.VideoPage(), 1);  // XviD
  state.PickListItem("TgpFormat", 0);
  EXPECT_EQ(state.VideoPage(), 0);  // the Nokia MPEG-4 choice, the DivX block
  state.Save();
  EXPECT_EQ(TGPSettings.VideoCodecNokia, 1);
  EXPECT_EQ(TGPSettings.VideoCodecSony, 1);
  EXPECT_EQ(TGPSettings.TgpFormat, 0);
}

TEST(TgpEditor, DisableAudioHidesTheAudioTabAndKeepsTheAudioSettings) {
  ResetAllProfileSettings();
  DefaultTGPSettings();
  TGPSettings.AudioBitRatePresetArmwb = 18;
  TEditorState state(*FindEditorDesc(of3GP));
  state.Load();
  state.Show();
  EXPECT_TRUE(state.AudioTabVisible());
  state.SetFlag("AudioDisableAudio", true);
  EXPECT_FALSE(state.AudioTabVisible());
  EXPECT_FALSE(state.AudioListsEnabled());
  EXPECT_TRUE(state.VideoTabVisible());
  state.Save();
  EXPECT_TRUE(TGPSettings.AudioDisableAudio);
  EXPECT_EQ(TGPSettings.AudioBitRatePresetArmwb, 18);
}

// ---------------------------------------------------------------- other editors' pages

TEST(AviEditor, EveryVideoIndexShowsItsOwnPage) {
  ResetAllProfileSettings();
  DefaultAVISettings();
  TEditorState state(*FindEditorDesc(ofAVI));
  state.Load();
  state.Show();
  const char* want[] = {"DivX", "XviD",    "MsMpeg4", "MsMpeg4v2", "H263", "H263P",
                        "H264", "huffYUV", "Mjpeg",   "Svq1",      "Flv"};
  for (int i = 0; i < 11; ++i) {
    state.PickListItem("VideoCodec", i);
    const TVideoBlockDesc& page = state.Desc().VideoBlocks[static_cast<size_t>(state.VideoPage())];
    EXPECT_EQ(page.Suffix, want[i]);
    EXPECT_EQ(page.Size == TVideoSize::FixedH263, i == 4);
  }
}

TEST(Mp4Editor, ThePspTypeShowsThePspAacBlock) {
  ResetAllProfileSettings();
  DefaultMP4Settings();
  TEditorState state(*FindEditorDesc(ofMP4));
  state.Load();
  state.Show();
  const std::string_view want[] = {"AACMp4", "AACPsp", "AACMp4", "AACMp4"};
  for (int type = 0; type < 4; ++type) {
    state.PickListItem("Format", type);
    EXPECT_EQ(state.Desc().AudioBlocks[static_cast<size_t>(state.AudioPage())].Suffix, want[type]);
  }
}

// ---------------------------------------------------------------- MPEG

struct TMpegTabsCase {
  bool Presets;
  int Type;
  bool DisableAudio;
  bool WantVideo, WantAudio, WantDvd, WantCodecChoices;
};

TEST(MpegEditor, TabsFollowThePresetsTheTypeAndDisableAudio) {
  const TMpegTabsCase cases[] = {
      {false, 2, false, true, true, false, true},   {false, 0, true, true, false, false, true},
      {true, 0, false, false, false, false, false}, {true, 1, false, false, false, false, false},
      {true, 2, false, false, false, true, false},  {true, 2, true, false, false, true, false},
  };
  for (const TMpegTabsCase& c : cases) {
    ResetAllProfileSettings();
    DefaultMPEGSettings();
    MPEGSettings.UsePresetFormats = c.Presets;
    MPEGSettings.PresetType = static_cast<uint8_t>(c.Type);
    MPEGSettings.AudioDisableAudio = c.DisableAudio;
    TEditorState state(*FindEditorDesc(ofMPEG));
    state.Load();
    state.Show();
    SCOPED_TRACE(testing::Message() << c.Presets << c.Type << c.DisableAudio);
    EXPECT_EQ(state.VideoTabVisible(), c.WantVideo);
    EXPECT_EQ(state.AudioTabVisible(), c.WantAudio);
    EXPECT_EQ(state.DvdTabVisible(), c.WantDvd);
    EXPECT_EQ(state.CodecChoicesVisible(), c.WantCodecChoices);
    EXPECT_EQ(state.PresetChoicesEnabled(), c.Presets);
    EXPECT_EQ(state.AudioListsEnabled(), !c.DisableAudio);
  }
}

TEST(MpegEditor, EachVideoCodecKeepsItsOwnAudioChoice) {
  ResetAllProfileSettings();
  DefaultMPEGSettings();
  MPEGSettings.VideoCodec = 0;
  MPEGSettings.AudioCodecMpeg1 = 1;  // Mp3
  MPEGSettings.AudioCodecMpeg2 = 0;  // AC3
  TEditorState state(*FindEditorDesc(ofMPEG));
  state.Load();
  state.Show();
  auto audioPage = [&] { return state.Desc().AudioBlocks[size_t(state.AudioPage())].Suffix; };
  EXPECT_EQ(audioPage(), "Mp3");
  state.PickListItem("VideoCodec", 1);
  EXPECT_EQ(audioPage(), "AC3");
  EXPECT_EQ(state.Desc().Lists[size_t(state.FrontList(TListRole::Audio))].Key, "AudioCodecMpeg2");
  state.PickListItem("AudioCodecMpeg2", 1);
  EXPECT_EQ(audioPage(), "Mp2");
  state.PickListItem("VideoCodec", 0);
  EXPECT_EQ(audioPage(), "Mp3");
  state.Save();
  EXPECT_EQ(MPEGSettings.AudioCodecMpeg1, 1);
  EXPECT_EQ(MPEGSettings.AudioCodecMpeg2, 1);
}

TEST(MpegEditor, DvdLaddersLoadAndSave) {
  struct {
    int32_t Video, Audio;
    int WantVideoPosition, WantAudioPosition;
    int32_t WantVideo, WantAudio;
  } cases[] = {// Values the bars cannot show stand at the nearest position and are
               // saved as they were.
               {6000, 128, 11, 5, 6000, 128},
               {64, 320, 1, 10, 64, 320},
               {144, 384, 2, 10, 144, 384}};
  for (const auto& c : cases) {
    ResetAllProfileSettings();
    DefaultMPEGSettings();
    MPEGSettings.DVDVideoBitRatePreset = c.Video;
    MPEGSettings.DVDAudioBitRatePreset = c.Audio;
    MPEGSettings.DVDVideoBitRateSpecify = 9600;
    TEditorState state(*FindEditorDesc(ofMPEG));
    state.Load();
    state.Show();
    EXPECT_EQ(state.Mpeg->Video.Bar.Position(), c.WantVideoPosition);
    EXPECT_EQ(state.Mpeg->Audio.Position(), c.WantAudioPosition);
    EXPECT_EQ(state.Mpeg->Video.ConfigureMax(), 9600);
    state.Save();
    EXPECT_EQ(MPEGSettings.DVDVideoBitRatePreset, c.WantVideo);
    EXPECT_EQ(MPEGSettings.DVDAudioBitRatePreset, c.WantAudio);
    EXPECT_EQ(MPEGSettings.DVDVideoBitRateSpecify, 9600);
  }
}

TEST(AudioOnlyEditors, NoVideoSide) {
  for (int format : {ofAAC, ofAC3, ofMP2, ofMP3, ofAMR, ofWAV}) {
    ResetAllProfileSettings();
    DefaultProfile(format);
    TEditorState state(*FindEditorDesc(format));
    state.Load();
    state.Show();
    EXPECT_FALSE(state.VideoTabVisible()) << format;
    EXPECT_TRUE(state.AudioTabVisible()) << format;
    EXPECT_FALSE(state.HasFlag("AudioDisableAudio")) << format;
    EXPECT_FALSE(state.HasFlag("VideoSameQuality")) << format;
  }
}

}  // namespace
