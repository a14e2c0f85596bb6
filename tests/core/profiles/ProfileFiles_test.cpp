// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>

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

namespace {

// The defaults of a new profile, written out from the rules independently of
// the program's tables: header and selection keys, then video blocks and
// audio blocks that share their values.
struct TVideoDefaults {
  const char* Blocks;  // suffixes, blank-separated
  int Bitrate, UseSource /* -1: the block has no such key */, Width, Height, FrameRate;
};
struct TAudioDefaults {
  const char* Blocks;
  int Auto /* -1: a short block without bitrate */, Preset, Rate, Channels;
};
struct TRecordDefaults {
  int Format;
  std::vector<std::pair<std::string, std::string>> Keys;
  std::vector<TVideoDefaults> Video;
  std::vector<TAudioDefaults> Audio;
};

std::map<std::string, std::string> ExpectedDefaults(const TRecordDefaults& r) {
  std::map<std::string, std::string> keys = {{"Description", "No Description"},
                                             {"EnableTimeControl", "0"},
                                             {"Duration", "0:00:00.000"},
                                             {"StartTime", "0:00:00.000"}};
  for (const auto& [k, v] : r.Keys) keys[k] = v;
  auto each = [](const char* blocks, auto fn) {
    std::istringstream in(blocks);
    for (std::string b; in >> b;) fn(b);
  };
  for (const TVideoDefaults& v : r.Video)
    each(v.Blocks, [&](const std::string& b) {
      keys["VideoBitRateUsePresert" + b] = "1";
      keys["VideoBitRatePreset" + b] = keys["VideoBitRateSpecify" + b] = std::to_string(v.Bitrate);
      if (v.UseSource >= 0) keys["VideoSizeUseSource" + b] = std::to_string(v.UseSource);
      keys["VideoWidth" + b] = std::to_string(v.Width);
      keys["VideoHeight" + b] = std::to_string(v.Height);
      keys["VideoKeepFrameRate" + b] = "1";
      keys["VideoFrameRate" + b] = std::to_string(v.FrameRate);
      keys["VideoAspect" + b] = "0";
    });
  for (const TAudioDefaults& a : r.Audio)
    each(a.Blocks, [&](const std::string& b) {
      if (a.Auto >= 0) {
        keys["AudioBitRateUseAutoSet" + b] = std::to_string(a.Auto);
        keys["AudioBitRatePreset" + b] = std::to_string(a.Preset);
      }
      keys["AudioSampleRate" + b] = std::to_string(a.Rate);
      keys["AudioChannels" + b] = std::to_string(a.Channels);
    });
  return keys;
}

}  // namespace

// Every key of every record's defaults, not a sample.
TEST_F(ProfileFiles, DefaultsSetEveryKey) {
  using K = std::vector<std::pair<std::string, std::string>>;
  const K video = {{"VideoSameQuality", "0"}, {"AudioDisableAudio", "0"}};
  auto with = [&](K extra) {
    extra.insert(extra.end(), video.begin(), video.end());
    return extra;
  };
  const TRecordDefaults records[] = {
      {ofAVI, with({{"VideoCodec", "0"}, {"AudioCodec", "1"}}),
       {{"DivX XviD MsMpeg4 MsMpeg4v2 H263P H264 DV huffYUV Mjpeg Mpeg1 Mpeg2 Svq1 Flv", 1080, 1, 640, 480, 7},
        {"H263", 1080, -1, 352, 288, 7}},
       {{"AC3 Mp2 Mp3", 0, 96, 0, 1}, {"Pcm16le Pcmu8", -1, 0, 3, 1}}},
      {ofMP4, with({{"Format", "3"}, {"VideoCodec", "0"}, {"AudioCodec", "0"}}),
       {{"DivX XviD H264", 1200, 0, 320, 240, 7}},
       {{"AACMp4", 0, 64, 3, 1}, {"AACPsp", 0, 64, 0, 1}}},
      {of3GP,
       with({{"TgpFormat", "0"}, {"VideoCodecNokia", "0"}, {"VideoCodecSony", "0"},
             {"AudioCodecNokia", "0"}, {"AudioCodecSony", "0"}}),
       {{"DivX", 144, 0, 176, 144, 7}, {"XviD", 96, 0, 176, 144, 7}, {"H263", 144, -1, 176, 144, 1}},
       {{"AACMp4", 0, 56, 3, 1}, {"Armnb Armwb", 0, 13, 0, 0}}},
      {ofMPEG,
       with({{"UsePresetFormats", "0"}, {"TargetFormat", "0"}, {"PresetType", "0"}, {"VideoCodec", "1"},
             {"AudioCodecMpeg1", "0"}, {"AudioCodecMpeg2", "0"}, {"DVDVideoBitRateUsePresert", "1"},
             {"DVDVideoBitRatePreset", "6000"}, {"DVDVideoBitRateSpecify", "6000"},
             {"DVDVideoKeepAspect", "1"}, {"DVDVideoAspect", "1"}, {"DVDAudioBitRateUseAutoSet", "0"},
             {"DVDAudioBitRatePreset", "384"}}),
       {{"Mpeg1", 1152, 1, 640, 480, 7}, {"Mpeg2", 2496, 1, 640, 480, 8}},
       {{"AC3", 0, 256, 3, 1}, {"Mp2 Mp3", 0, 160, 2, 1}}},
      {ofMOV, with({{"VideoCodec", "4"}, {"AudioCodec", "0"}}),
       {{"DivX XviD H264 Svq1", 1200, 1, 640, 480, 7}, {"H263", 1200, -1, 352, 288, 7}},
       {{"AACMp4", 0, 64, 3, 1}, {"Alaw Pcm16le Pcm16be", -1, 0, 3, 1}, {"Armnb", 0, 8, 0, 0}}},
      {ofWMV, with({{"VideoCodec", "3"}, {"AudioCodec", "0"}}),
       {{"MsMpeg4 MsMpeg4v2 Wmv7 Wmv8", 768, 1, 640, 480, 7}},
       {{"Mp3", 1, 64, 0, 1}}},
      {ofRM, with({{"VideoCodec", "0"}, {"AudioCodec", "0"}}), {{"Rm10", 768, 1, 320, 240, 7}},
       {{"AC3", 0, 256, 3, 1}}},
      {ofSWF, with({{"VideoCodec", "0"}, {"AudioCodec", "0"}}), {{"Flv", 768, 1, 640, 480, 7}},
       {{"Mp3", 1, 64, 1, 1}}},
      {ofVOB, with({{"VideoCodec", "0"}, {"AudioCodec", "1"}}), {{"Mpeg2", 6000, 0, 720, 576, 3}},
       {{"AC3", 0, 384, 3, 1}, {"Mp2", 0, 320, 3, 1}}},
      {ofASF, with({{"VideoCodec", "0"}, {"AudioCodec", "0"}}),
       {{"MsMpeg4 MsMpeg4v2", 768, 1, 640, 480, 7}},
       {{"Mp3", 0, 64, 0, 1}}},
      {ofAAC, {{"AudioCodec", "0"}}, {}, {{"AACMp4", 0, 128, 6, 1}}},
      {ofAC3, {{"AudioCodec", "0"}}, {}, {{"AC3", 0, 384, 3, 1}}},
      {ofMP2, {{"AudioCodec", "0"}}, {}, {{"Mp2", 0, 160, 2, 1}}},
      {ofMP3, {{"AudioCodec", "0"}}, {}, {{"Mp3", 0, 128, 2, 1}}},
      {ofAMR, {{"AudioCodec", "0"}}, {}, {{"Armnb Armwb", 0, 13, 0, 0}}},
      {ofWAV, {{"AudioCodec", "0"}}, {}, {{"Pcm16le Pcmu8", -1, 0, 6, 1}}},
  };
  ASSERT_EQ(std::size(records), static_cast<size_t>(kOutputFormatCount));
  for (const TRecordDefaults& r : records) {
    SCOPED_TRACE(OutputFormatNames[static_cast<size_t>(r.Format)]);
    std::string file = Dir / "d.ini";
    std::remove(file.c_str());
    DefaultProfile(r.Format);
    SaveProfile(r.Format, file);
    std::map<std::string, std::string> written;
    for (auto& [k, v] : TIniFile(file).ReadSectionValues("General")) written[k] = v;
    EXPECT_EQ(written, ExpectedDefaults(r));
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
