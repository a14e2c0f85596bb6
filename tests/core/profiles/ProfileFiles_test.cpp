// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/Error.h"
#include "base/IniFile.h"
#include "app/GlobalVars.h"
#include "profiles/ProfileSettings.h"
#include "support/RunProgram.h"

namespace {

using TKeys = std::vector<std::string>;

// The key order of a new file, written out independently of the program's
// own field lists: "V:C" is a video block, "H" the H.263 block, "A:C" an
// audio block, "S:C" a short audio block, anything else a single key.
TKeys Expand(std::initializer_list<std::string> items) {
  TKeys keys;
  for (const std::string& item : items) {
    std::string kind = item.substr(0, 2);
    std::string c = item.size() > 2 ? item.substr(2) : "";
    if (kind == "V:") {
      for (auto r : {"VideoBitRateUsePresert", "VideoBitRatePreset", "VideoBitRateSpecify",
                     "VideoSizeUseSource", "VideoWidth", "VideoHeight", "VideoKeepFrameRate",
                     "VideoFrameRate", "VideoAspect"})
        keys.push_back(r + c);
    } else if (item == "H") {
      for (auto r : {"VideoBitRateUsePresert", "VideoBitRatePreset", "VideoBitRateSpecify",
                     "VideoWidth", "VideoHeight", "VideoKeepFrameRate", "VideoFrameRate",
                     "VideoAspect"})
        keys.push_back(std::string(r) + "H263");
    } else if (kind == "A:") {
      for (auto r : {"AudioBitRateUseAutoSet", "AudioBitRatePreset", "AudioSampleRate",
                     "AudioChannels"})
        keys.push_back(r + c);
    } else if (kind == "S:") {
      for (auto r : {"AudioSampleRate", "AudioChannels"}) keys.push_back(r + c);
    } else {
      keys.push_back(item);
    }
  }
  return keys;
}

#define HEAD "Description", "EnableTimeControl", "Duration", "StartTime"
#define VSAD "VideoCodec", "VideoSameQuality", "AudioCodec", "AudioDisableAudio"

const std::vector<TKeys>& WrittenOrder() {
  static const std::vector<TKeys> order = {
      Expand({HEAD, VSAD, "V:DivX", "V:XviD", "V:MsMpeg4", "V:MsMpeg4v2", "H", "V:H263P", "V:H264",
              "V:DV", "V:huffYUV", "V:Mjpeg", "V:Mpeg1", "V:Mpeg2", "V:Svq1", "V:Flv", "A:AC3",
              "A:Mp2", "A:Mp3", "S:Pcm16le", "S:Pcmu8"}),
      Expand({"Description", "Format", "EnableTimeControl", "Duration", "StartTime", VSAD,
              "V:DivX", "V:XviD", "V:H264", "A:AACMp4", "A:AACPsp"}),
      Expand({"Description", "TgpFormat", "EnableTimeControl", "Duration", "StartTime",
              "VideoCodecNokia", "VideoCodecSony", "VideoSameQuality", "AudioCodecNokia",
              "AudioCodecSony", "AudioDisableAudio", "V:DivX", "V:XviD", "H", "A:AACMp4",
              "A:Armnb", "A:Armwb"}),
      Expand({"Description", "TargetFormat", "PresetType", "UsePresetFormats",
              "EnableTimeControl", "Duration", "StartTime", "VideoCodec", "VideoSameQuality",
              "AudioCodecMpeg1", "AudioCodecMpeg2", "AudioDisableAudio", "V:Mpeg1", "V:Mpeg2",
              "A:AC3", "A:Mp2", "A:Mp3", "DVDVideoBitRateUsePresert", "DVDVideoBitRatePreset",
              "DVDVideoBitRateSpecify", "DVDVideoKeepAspect", "DVDVideoAspect",
              "DVDAudioBitRateUseAutoSet", "DVDAudioBitRatePreset"}),
      Expand({HEAD, VSAD, "V:DivX", "V:XviD", "H", "V:H264", "V:Svq1", "A:AACMp4", "S:Alaw",
              "A:Armnb", "S:Pcm16le", "S:Pcm16be"}),
      Expand({HEAD, VSAD, "V:MsMpeg4", "V:MsMpeg4v2", "V:Wmv7", "V:Wmv8", "A:Mp3"}),
      Expand({HEAD, "AudioCodec", "AudioDisableAudio", "VideoCodec", "VideoSameQuality",
              "VideoBitRatePresetRm10", "VideoBitRateSpecifyRm10", "VideoBitRateUsePresertRm10",
              "VideoSizeUseSourceRm10", "VideoWidthRm10", "VideoHeightRm10",
              "VideoKeepFrameRateRm10", "VideoFrameRateRm10", "VideoAspectRm10", "A:AC3"}),
      Expand({HEAD, VSAD, "V:Flv", "A:Mp3"}),
      Expand({HEAD, VSAD, "V:Mpeg2", "A:AC3", "A:Mp2"}),             // VOB
      Expand({HEAD, VSAD, "V:MsMpeg4", "V:MsMpeg4v2", "A:Mp3"}),     // ASF
      Expand({HEAD, "AudioCodec", "A:AACMp4"}),
      Expand({HEAD, "AudioCodec", "A:AC3"}),
      Expand({HEAD, "AudioCodec", "A:Mp2"}),
      Expand({HEAD, "AudioCodec", "A:Mp3"}),
      Expand({HEAD, "AudioCodec", "A:Armnb", "A:Armwb"}),
      Expand({HEAD, "AudioCodec", "S:Pcm16le", "S:Pcmu8"}),
  };
  return order;
}

class ProfileFiles : public ::testing::Test {
 protected:
  void SetUp() override { ResetAllProfileSettings(); }
  void TearDown() override { ResetAllProfileSettings(); }
  TTempDir Dir;
};

}  // namespace

TEST_F(ProfileFiles, Default3gpFileBeginsAsShipped) {
  std::string file = Dir / "3gp.ini";
  DefaultTGPSettings();
  SaveTGPSettings(file);
  std::string text = ReadFileText(file);
  const std::string head =
            "[General]\n"
            "Description=No Description\n"
            "TgpFormat=0\n"
            "EnableTimeControl=0\n"
            "Duration=0:00:00.000\n"
            "StartTime=0:00:00.000\n"
            "VideoCodecNokia=0\n"
            "VideoCodecSony=0\n"
            "VideoSameQuality=0\n"
            "AudioCodecNokia=0\n"
            "AudioCodecSony=0\n"
            "AudioDisableAudio=0\n"
            "VideoBitRateUsePresertDivX=1\n"
            "VideoBitRatePresetDivX=144\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  const std::string tail = "\nAudioChannelsArmwb=0\n";
  ASSERT_GT(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(ProfileFiles, EveryRecordWritesItsKeysInOrder) {
  for (int f = 0; f < kOutputFormatCount; ++f) {
    std::string file = Dir / ("order" + std::to_string(f) + ".ini");
    DefaultProfile(f);
    SaveProfile(f, file);
    EXPECT_EQ(TIniFile(file).ReadSectionKeys("General"), WrittenOrder()[static_cast<size_t>(f)])
        << OutputFormatNames[static_cast<size_t>(f)];
  }
}

// Spot checks of one key per row of the default tables.
TEST_F(ProfileFiles, DefaultsMatchTheTables) {
  struct TCase {
    int Format;
    const char* Key;
    const char* Value;
  };
  const TCase cases[] = {
      {ofAVI, "AudioCodec", "1"}, {ofAVI, "VideoSizeUseSourceMjpeg", "1"},
      {ofAVI, "VideoWidthH263", "352"}, {ofAVI, "VideoFrameRateFlv", "7"},
      {ofAVI, "AudioBitRatePresetAC3", "96"}, {ofAVI, "AudioSampleRatePcmu8", "3"},
      {ofMP4, "Format", "3"}, {ofMP4, "VideoBitRateSpecifyXviD", "1200"},
      {ofMP4, "VideoSizeUseSourceH264", "0"}, {ofMP4, "AudioSampleRateAACMp4", "3"},
      {ofMP4, "AudioSampleRateAACPsp", "0"}, {of3GP, "VideoBitRatePresetXviD", "96"},
      {of3GP, "VideoFrameRateH263", "1"}, {of3GP, "AudioBitRatePresetAACMp4", "56"},
      {of3GP, "AudioChannelsArmwb", "0"}, {ofMPEG, "VideoCodec", "1"},
      {ofMPEG, "VideoFrameRateMpeg2", "8"}, {ofMPEG, "VideoBitRatePresetMpeg1", "1152"},
      {ofMPEG, "AudioBitRatePresetAC3", "256"}, {ofMPEG, "AudioSampleRateMp3", "2"},
      {ofMPEG, "DVDVideoAspect", "1"}, {ofMPEG, "DVDAudioBitRatePreset", "384"},
      {ofMPEG, "DVDVideoKeepAspect", "1"}, {ofMOV, "VideoCodec", "4"},
      {ofMOV, "VideoHeightH263", "288"}, {ofMOV, "AudioBitRatePresetArmnb", "8"},
      {ofMOV, "AudioSampleRateAlaw", "3"}, {ofWMV, "VideoCodec", "3"},
      {ofWMV, "AudioBitRateUseAutoSetMp3", "1"}, {ofRM, "VideoWidthRm10", "320"},
      {ofRM, "AudioBitRatePresetAC3", "256"}, {ofSWF, "AudioSampleRateMp3", "1"},
      {ofSWF, "VideoBitRatePresetFlv", "768"}, {ofASF, "AudioBitRateUseAutoSetMp3", "0"},
      {ofVOB, "VideoSizeUseSourceMpeg2", "0"}, {ofVOB, "VideoFrameRateMpeg2", "3"},
      {ofVOB, "AudioBitRatePresetMp2", "320"}, {ofVOB, "AudioCodec", "1"},
      {ofAAC, "AudioSampleRateAACMp4", "6"}, {ofAC3, "AudioBitRatePresetAC3", "384"},
      {ofMP2, "AudioBitRatePresetMp2", "160"}, {ofMP3, "AudioChannelsMp3", "1"},
      {ofAMR, "AudioBitRatePresetArmwb", "13"}, {ofWAV, "AudioSampleRatePcm16le", "6"},
      {ofAVI, "VideoBitRateUsePresertDV", "1"}, {ofAVI, "VideoKeepFrameRateSvq1", "1"},
  };
  for (const TCase& c : cases) {
    std::string file = Dir / "d.ini";
    DefaultProfile(c.Format);
    SaveProfile(c.Format, file);
    EXPECT_EQ(TIniFile(file).ReadString("General", c.Key, "<missing>"), c.Value)
        << OutputFormatNames[static_cast<size_t>(c.Format)] << " " << c.Key;
  }
}

// Default, save, then load into a record full of other values: the load must
// restore every field, for every format.
TEST_F(ProfileFiles, DefaultsSurviveSaveAndLoad) {
  for (int f = 0; f < kOutputFormatCount; ++f) {
    std::string defaults = Dir / "defaults.ini";
    std::string other = Dir / "other.ini";
    std::string again = Dir / "again.ini";
    std::remove(defaults.c_str());
    std::remove(other.c_str());
    std::remove(again.c_str());
    DefaultProfile(f);
    SaveProfile(f, defaults);
    TIniFile garbage(other);
    for (std::string_view key : ProfileKeys(f)) garbage.WriteString("General", key, "77");
    garbage.UpdateFile();
    LoadProfile(f, other);
    SaveProfile(f, again);
    ASSERT_NE(ReadFileText(again), ReadFileText(defaults));
    LoadProfile(f, defaults);
    std::remove(again.c_str());
    SaveProfile(f, again);
    EXPECT_EQ(ReadFileText(again), ReadFileText(defaults))
        << OutputFormatNames[static_cast<size_t>(f)];
  }
}

TEST_F(ProfileFiles, LoadKeepsWhatTheFileDoesNotSay) {
  std::string first = Dir / "first.ini";
  std::string second = Dir / "second.ini";
  WriteFileText(first,
                "[General]\nDuration=0:00:30.000\nVideoCodec=3\nVideoWidthDivX=720\n"
                "EnableTimeControl=1\n");
  WriteFileText(second,
                "[general]\nvideocodec=abc\nVideoWidthDivX=-5\nAudioCodec=257\n"
                "VideoFrameRateXviD=300\nEnableTimeControl=2\nVideoHeightDivX=\n");
  LoadAVISettings(first);
  LoadAVISettings(second);
  EXPECT_EQ(AVISettings.Duration, "0:00:30.000");
  EXPECT_EQ(AVISettings.VideoCodec, 3);
  EXPECT_EQ(AVISettings.VideoWidthDivX, -5);
  EXPECT_EQ(AVISettings.VideoHeightDivX, 0);
  EXPECT_EQ(AVISettings.AudioCodec, 1);
  EXPECT_EQ(AVISettings.VideoFrameRateXviD, 44);
  EXPECT_TRUE(AVISettings.EnableTimeControl);
  LoadAVISettings(Dir / "does-not-exist.ini");
  EXPECT_EQ(AVISettings.VideoCodec, 3);

  std::string out = Dir / "out.ini";
  SaveAVISettings(out);
  TIniFile saved(out);
  EXPECT_EQ(saved.ReadString("General", "EnableTimeControl", ""), "1");
  EXPECT_EQ(saved.ReadString("General", "VideoWidthDivX", ""), "-5");
  EXPECT_EQ(saved.ReadString("General", "Description", "<missing>"), "");
}

TEST_F(ProfileFiles, SaveKeepsForeignKeysAndSections) {
  std::string file = Dir / "foreign.ini";
  WriteFileText(file,
                "; written by hand\n[Extra]\nkeep=me\n[General]\nMyNote=hello\nAudioCodec=9\n");
  DefaultMp3Settings();
  SaveMp3Settings(file);
  TIniFile ini(file);
  EXPECT_EQ(ini.ReadString("Extra", "keep", ""), "me");
  EXPECT_EQ(ini.ReadString("General", "MyNote", ""), "hello");
  EXPECT_EQ(ini.ReadString("General", "AudioCodec", ""), "0");
  EXPECT_EQ(ReadFileText(file).rfind("; written by hand\n[Extra]\nkeep=me\n[General]\nMyNote=hello\n", 0), 0u);
}

TEST_F(ProfileFiles, FailedSaveRaisesAndKeepsTheOldFile) {
  std::string file = Dir / "missing-folder/p.ini";
  DefaultWavSettings();
  try {
    SaveWavSettings(file);
    FAIL() << "no error";
  } catch (const EKinovertError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
  }
}

TEST_F(ProfileFiles, RoutinesByFormatIgnoreUnknownTargets) {
  DefaultProfile(16);
  SaveProfile(16, Dir / "x.ini");
  EXPECT_FALSE(FileExists(Dir / "x.ini"));
  EXPECT_TRUE(ProfileKeys(255).empty());
}
