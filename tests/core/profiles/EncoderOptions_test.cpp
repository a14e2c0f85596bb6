// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/EncoderOptions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "base/IniFile.h"
#include "app/GlobalVars.h"
#include "profiles/ProfileSettings.h"
#include "support/RunProgram.h"

namespace {

struct TCase {
  const char* Name;
  int Format;
  bool Defaults;  // start from a default profile, else from an empty file
  std::vector<std::pair<const char*, const char*>> Keys;
  const char* Expected;
};

const char* const Time60 = "0:01:00.000";

const TCase Cases[] = {
    {"3gp defaults", of3GP, true, {},
     "-y -f 3gp -vcodec h263 -s 176x144 -b 144k -r 12.5 -aspect 11:9 -acodec amr_nb -ac 1 -ar 8000 -ab 13 "},
    {"avi defaults", ofAVI, true, {},
     "-y -f avi -vcodec msmpeg4 -b 1080k -acodec mp3 -ac 2 -ab 96 -ar 22050 "},
    {"avi time clause", ofAVI, true,
     {{"EnableTimeControl", "1"}, {"Duration", Time60}, {"StartTime", "0:00:10.000"}},
     "-y -f avi  -t 0:01:00.000 -ss 0:00:10.000 -vcodec msmpeg4 -b 1080k -acodec mp3 -ac 2 -ab 96 -ar 22050 "},
    {"avi no audio", ofAVI, true, {{"AudioDisableAudio", "1"}, {"AudioCodec", "77"}},
     "-y -f avi -vcodec msmpeg4 -b 1080k -an "},
    {"avi same quality", ofAVI, true, {{"VideoSameQuality", "1"}},
     "-y -f avi -sameq -vcodec msmpeg4 -b 1080k -acodec mp3 -ac 2 -ab 96 -ar 22050 "},
    {"avi empty file after start", ofAVI, false, {},
     "-y -f avi -vcodec msmpeg4 -s 0x0 -b 0k -r 10 -acodec mp2 -ac 1 -ab 0 -ar 22050 "},
    {"avi preset off the ladder", ofAVI, true, {{"VideoBitRatePresetDivX", "144"}},
     "-y -f avi -vcodec msmpeg4 -b 144k -acodec mp3 -ac 2 -ab 96 -ar 22050 "},
    {"avi specified values", ofAVI, true,
     {{"VideoCodec", "6"}, {"VideoBitRateUsePresertH264", "0"}, {"VideoBitRateSpecifyH264", "777"},
      {"VideoSizeUseSourceH264", "0"}, {"VideoKeepFrameRateH264", "0"},
      {"VideoFrameRateH264", "8"}, {"VideoAspectH264", "2"}, {"AudioCodec", "0"},
      {"AudioBitRateUseAutoSetMp2", "1"}, {"AudioSampleRateMp2", "3"}},
     "-y -f avi -vcodec h264 -s 640x480 -b 777k -r 29.97 -aspect 16:9 -acodec mp2 -ac 2 -ar 48000 "},
    {"avi out-of-range indexes drop their piece", ofAVI, true,
     {{"VideoKeepFrameRateDivX", "0"}, {"VideoFrameRateDivX", "13"}, {"VideoAspectDivX", "3"},
      {"AudioChannelsMp3", "2"}, {"AudioSampleRateMp3", "4"}},
     "-y -f avi -vcodec msmpeg4 -b 1080k -acodec mp3 -ab 96 "},
    {"avi codecs past the list", ofAVI, true, {{"VideoCodec", "11"}, {"AudioCodec", "5"}},
     "-y -f avi "},
    {"avi h263 aspect 1:1 emits none", ofAVI, true, {{"VideoCodec", "4"}, {"VideoAspectH263", "1"}},
     "-y -f avi -vcodec h263 -s 352x288 -b 1080k -acodec mp3 -ac 2 -ab 96 -ar 22050 "},
    {"avi h263 aspect 11:9 emits none", ofAVI, true, {{"VideoCodec", "4"}, {"VideoAspectH263", "3"}},
     "-y -f avi -vcodec h263 -s 352x288 -b 1080k -acodec mp3 -ac 2 -ab 96 -ar 22050 "},
    {"avi h263 aspect 16:9", ofAVI, true, {{"VideoCodec", "4"}, {"VideoAspectH263", "4"}},
     "-y -f avi -vcodec h263 -s 352x288 -b 1080k -aspect 16:9 -acodec mp3 -ac 2 -ab 96 -ar 22050 "},
    {"avi ac3 six channels", ofAVI, true,
     {{"AudioCodec", "4"}, {"AudioChannelsAC3", "2"}, {"AudioSampleRateAC3", "1"}},
     "-y -f avi -vcodec msmpeg4 -b 1080k -acodec ac3 -ac 5:1 -ar 48000 -ab 96 "},
    {"avi pcm", ofAVI, true, {{"AudioCodec", "3"}},
     "-y -f avi -vcodec msmpeg4 -b 1080k -acodec pcm_u8 -ac 2 -ar 22050 "},
    {"mp4 defaults", ofMP4, true, {},
     "-y -f mp4 -vcodec h264 -s 320x240 -b 1200k -acodec aac -ac 2 -ab 64 -ar 22050 "},
    {"mp4 psp", ofMP4, true, {{"Format", "1"}},
     "-y -f psp -vcodec h264 -s 320x240 -b 1200k -acodec aac -ac 2 -ab 64 -ar 48000 "},
    {"mp4 time after the format", ofMP4, true,
     {{"Format", "9"}, {"EnableTimeControl", "1"}, {"Duration", "0:00:05.000"},
      {"StartTime", "0:00:01.000"}, {"VideoCodec", "1"}},
     "-y  -t 0:00:05.000 -ss 0:00:01.000 -acodec aac -ac 2 -ab 64 -ar 22050 "},
    {"3gp sony mpeg-4", of3GP, true, {{"TgpFormat", "2"}, {"VideoAspectDivX", "0"}},
     "-y -f 3gp -vcodec msmpeg4 -s 176x144 -b 144k -aspect 11:9 -acodec aac -ac 2 -ab 56 -ar 22050 "},
    {"3gp sony xvid", of3GP, true, {{"TgpFormat", "1"}, {"VideoCodecSony", "1"}, {"VideoAspectXviD", "2"}},
     "-y -f 3gp -vcodec xvid -s 176x144 -b 96k -aspect 16:9 -acodec aac -ac 2 -ab 56 -ar 22050 "},
    {"3gp h263 aspect 1:1 and 4:3", of3GP, true,
     {{"VideoAspectH263", "1"}, {"AudioCodecNokia", "1"}, {"AudioBitRatePresetArmwb", "24"}},
     "-y -f 3gp -vcodec h263 -s 176x144 -b 144k -r 12.5 -acodec amr_wb -ac 1 -ar 16000 -ab 24 "},
    {"3gp h263 fixed rate", of3GP, true,
     {{"VideoKeepFrameRateH263", "0"}, {"VideoAspectH263", "2"}, {"AudioCodecNokia", "2"}},
     "-y -f 3gp -vcodec h263 -s 176x144 -b 144k -r 12 -aspect 4:3 -acodec aac -ac 2 -ab 56 -ar 22050 "},
    {"mpeg defaults", ofMPEG, true, {},
     "-y -vcodec mpeg2video -b 2496k -acodec ac3 -ac 2 -ar 48000 -ab 256 "},
    {"mpeg-1 with mp3", ofMPEG, true, {{"VideoCodec", "0"}, {"AudioCodecMpeg1", "1"}},
     "-y -vcodec mpeg1video -b 1152k -r 25 -acodec mp3 -ac 2 -ab 160 -ar 44100 "},
    {"mpeg dvd", ofMPEG, true,
     {{"UsePresetFormats", "1"}, {"PresetType", "2"}, {"TargetFormat", "2"},
      {"DVDVideoKeepAspect", "0"}, {"DVDVideoAspect", "1"}, {"VideoSameQuality", "1"},
      {"AudioDisableAudio", "1"}},
     "-y -target pal-dvd -b 6000k -aspect 4:3 -ab 384 "},
    {"mpeg dvd auto standard, specified rate, automatic audio", ofMPEG, true,
     {{"UsePresetFormats", "1"}, {"PresetType", "2"}, {"DVDVideoBitRateUsePresert", "0"},
      {"DVDVideoBitRateSpecify", "4000"}, {"DVDAudioBitRateUseAutoSet", "1"}},
     "-y -target film-dvd -b 4000k "},
    {"mpeg dvd unknown standard", ofMPEG, true,
     {{"UsePresetFormats", "1"}, {"PresetType", "2"}, {"TargetFormat", "3"}},
     "-y -b 6000k -ab 384 "},
    {"mpeg vcd", ofMPEG, true, {{"UsePresetFormats", "1"}, {"TargetFormat", "1"}},
     "-y -target ntsc-vcd "},
    {"mpeg svcd with time", ofMPEG, true,
     {{"UsePresetFormats", "1"}, {"PresetType", "1"}, {"EnableTimeControl", "1"},
      {"Duration", Time60}, {"StartTime", "0:00:00.000"}},
     " -t 0:01:00.000 -ss 0:00:00.000 -y -target film-svcd "},
    {"mpeg unknown preset type", ofMPEG, true, {{"UsePresetFormats", "1"}, {"PresetType", "3"}},
     "-y "},
    {"mov defaults", ofMOV, true, {},
     "-y -f mov -vcodec h264 -b 1200k -acodec aac -ac 2 -ab 64 -ar 22050 "},
    {"mov h263 and h264 keep the user's aspect", ofMOV, true,
     {{"VideoCodec", "3"}, {"VideoAspectH263", "2"}, {"AudioCodec", "2"}},
     "-y -f mov -vcodec h263 -s 352x288 -b 1200k -aspect 4:3 -acodec amr_nb -ac 1 -ar 8000 -ab 8 "},
    {"mov h264 aspect", ofMOV, true, {{"VideoAspectH264", "1"}, {"AudioCodec", "4"}},
     "-y -f mov -vcodec h264 -b 1200k -aspect 4:3 -acodec pcm_s16be -ac 2 -ar 22050 "},
    {"mov a-law", ofMOV, true, {{"VideoCodec", "0"}, {"AudioCodec", "1"}},
     "-y -f mov -vcodec svq1 -b 1200k -acodec pcm_alaw -ac 2 -ar 22050 "},
    {"wmv defaults", ofWMV, true, {}, "-y -vcodec wmv2 -b 768k -acodec mp3 -ac 2 -ar 22050 "},
    {"rm defaults", ofRM, true, {},
     "-y -f rm -vcodec rv10 -b 768k -r 25 -acodec ac3 -ac 2 -ar 48000 -ab 256 "},
    {"rm bitrate before size, aspect kept", ofRM, true,
     {{"VideoSizeUseSourceRm10", "0"}, {"VideoAspectRm10", "2"}},
     "-y -f rm -vcodec rv10 -b 768k -s 320x240 -r 25 -aspect 16:9 -acodec ac3 -ac 2 -ar 48000 -ab 256 "},
    {"swf defaults", ofSWF, true, {}, "-y -vcodec flv -b 768k -acodec mp3 -ac 2 -ar 22050 "},
    {"vob defaults", ofVOB, true, {},
     "-y -f vob -vcodec mpeg2video -s 720x576 -b 6000k -aspect 5:4 -acodec ac3 -ac 2 -ar 48000 -ab 384 "},
    {"vob frame rates", ofVOB, true,
     {{"VideoKeepFrameRateMpeg2", "0"}, {"VideoFrameRateMpeg2", "0"}, {"AudioCodec", "0"}},
     "-y -f vob -vcodec mpeg2video -s 720x576 -b 6000k -r 19.98 -aspect 5:4 -acodec mp2 -ac 2 -ab 320 -ar 48000 "},
    {"asf defaults", ofASF, true, {},
     "-y -f asf -vcodec msmpeg4 -b 768k -acodec mp3 -ac 2 -ab 64 -ar 22050 "},
    {"aac defaults", ofAAC, true, {}, "-y -f aac -vn -acodec aac -ac 2 -ab 128 -ar 44100 "},
    {"ac3 defaults", ofAC3, true, {}, "-y -f ac3 -vn -acodec ac3 -ac 2 -ar 48000 -ab 384 "},
    {"mp2 defaults", ofMP2, true, {}, "-y -f mp2 -vn -acodec mp2 -ac 2 -ab 160 -ar 44100 "},
    {"mp3 defaults", ofMP3, true, {}, "-y -f mp3 -vn -acodec mp3 -ac 2 -ab 128 -ar 44100 "},
    {"amr defaults", ofAMR, true, {}, "-y -f amr -vn -acodec amr_nb -ac 1 -ar 8000 -ab 13 "},
    {"wav defaults", ofWAV, true, {}, "-y -f wav -vn -acodec pcm_s16le -ac 2 -ar 44100 "},
    {"mp3 time clause", ofMP3, true,
     {{"EnableTimeControl", "1"}, {"Duration", "0:00:30.000"}, {"StartTime", Time60}},
     "-y -f mp3  -t 0:00:30.000 -ss 0:01:00.000 -vn -acodec mp3 -ac 2 -ab 128 -ar 44100 "},
    {"ac3 six channels, automatic bitrate", ofAC3, true,
     {{"AudioChannelsAC3", "2"}, {"AudioBitRateUseAutoSetAC3", "1"}, {"AudioSampleRateAC3", "0"}},
     "-y -f ac3 -vn -acodec ac3 -ac 5:1 -ar 48000 "},
    {"amr wide-band 24", ofAMR, true, {{"AudioCodec", "1"}, {"AudioBitRatePresetArmwb", "24"}},
     "-y -f amr -vn -acodec amr_wb -ac 1 -ar 16000 -ab 24 "},
    {"amr odd indexes", ofAMR, true, {{"AudioChannelsArmnb", "1"}, {"AudioSampleRateArmnb", "1"}},
     "-y -f amr -vn -acodec amr_nb -ab 13 "},
    {"wav unsigned 8 bit", ofWAV, true,
     {{"AudioCodec", "1"}, {"AudioChannelsPcmu8", "0"}, {"AudioSampleRatePcmu8", "7"}},
     "-y -f wav -vn -acodec pcm_u8 -ac 1 -ar 48000 "},
    {"wav codec past the list", ofWAV, true, {{"AudioCodec", "2"}}, "-y -f wav -vn "},
};

class EncoderOptions : public ::testing::TestWithParam<TCase> {
 protected:
  void SetUp() override {
    ResetAllProfileSettings();
    ResetGlobalVars();
  }
  void TearDown() override {
    ResetAllProfileSettings();
    ResetGlobalVars();
  }
  TTempDir Dir;
};

}  // namespace

TEST_P(EncoderOptions, BuildsTheOptionString) {
  const TCase& c = GetParam();
  std::string file = Dir / "profile.ini";
  if (c.Defaults) {
    DefaultProfile(c.Format);
    SaveProfile(c.Format, file);
    ResetAllProfileSettings();
  } else {
    WriteFileText(file, "");
  }
  TIniFile ini(file);
  for (auto& [key, value] : c.Keys) ini.WriteString("General", key, value);
  ini.UpdateFile();
  GlobalVars.OutputFormat = static_cast<uint8_t>(c.Format);
  EXPECT_EQ(BuildEncoderOptions(file), c.Expected);
  // A missing file leaves the record as the last build loaded it.
  EXPECT_EQ(BuildEncoderOptions(Dir / "missing.ini"), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, EncoderOptions, ::testing::ValuesIn(Cases),
                         [](const auto& param) {
                           std::string name = param.param.Name;
                           for (char& ch : name)
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name;
                         });

TEST(EncoderOptionsTarget, AboveFifteenIsEmpty) {
  GlobalVars.OutputFormat = 16;
  EXPECT_EQ(BuildEncoderOptions("/nonexistent.ini"), "");
  GlobalVars.OutputFormat = 255;
  EXPECT_EQ(BuildEncoderOptions("/nonexistent.ini"), "");
  ResetGlobalVars();
}

namespace {

// Builds the options of a format from its defaults with the given keys set.
std::string OptionsWith(int format, const std::vector<std::pair<std::string, std::string>>& keys) {
  TTempDir dir;
  std::string file = dir / "p.ini";
  DefaultProfile(format);
  SaveProfile(format, file);
  {
    TIniFile ini(file);
    for (auto& [key, value] : keys) ini.WriteString("General", key, value);
    ini.UpdateFile();
  }
  GlobalVars.OutputFormat = static_cast<uint8_t>(format);
  return BuildEncoderOptions(file);
}

}  // namespace

// Profiles travel between users: a time text is a time or nothing at all.
TEST(EncoderOptionsTimeClause, OnlyTimesReachTheOptions) {
  struct TCase {
    const char* Duration;
    const char* Start;
    const char* Clause;  // the expected clause, "" when none
  };
  const TCase cases[] = {
      {"0:01:00.000", "0:00:10.000", " -t 0:01:00.000 -ss 0:00:10.000 "},
      {"1:2", "0:00:01.5", " -t 0:01:02.000 -ss 0:00:01.500 "},  // written by us, in full
      {"0:00:01.000 -vstats_file /home/u/notes.txt", "0:00:00.000", ""},
      {"0:00:01.000", "0 -i other.wav", ""},
      {"0:00:01.000\" \"-y", "0:00:00.000", ""},
      {"0:00:01.000'", "0:00:00.000", ""},
      {"0:00:01.000\t-an", "0:00:00.000", ""},
      {"", "0:00:00.000", ""},
      {"abc", "0:00:00.000", ""},
      {"99999:00:00.000", "0:00:00.000", ""},  // beyond what a profile can hold
      {"200:00:00.000", "0:00:00.000", " -t 200:00:00.000 -ss 0:00:00.000 "},
      {"200:00:00.001", "0:00:00.000", ""},  // more than the editors and the encoder take
      {"0:00:01.000", "201:00:00.000", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Duration + std::string(" | ") + c.Start);
    ResetAllProfileSettings();
    std::string o = OptionsWith(ofAVI, {{"EnableTimeControl", "1"}, {"Duration", c.Duration},
                                        {"StartTime", c.Start}});
    std::string tail = "-vcodec msmpeg4 -b 1080k -acodec mp3 -ac 2 -ab 96 -ar 22050 ";
    EXPECT_EQ(o, std::string("-y -f avi ") + c.Clause + tail);
  }
  // A line break in a profile value cannot even be stored: the INI file keeps
  // one line per key.
  ResetAllProfileSettings();
  DefaultAVISettings();
  AVISettings.EnableTimeControl = true;
  AVISettings.Duration = "0:00:01.000\n-i x";
  AVISettings.StartTime = "0:00:00.000";
  GlobalVars.OutputFormat = ofAVI;
  EXPECT_EQ(OptionsOfRecord(ofAVI).find("-i x"), std::string::npos);
  ResetAllProfileSettings();
  ResetGlobalVars();
}

// Every codec choice of every container, from defaults whose blocks each hold
// a bitrate of their own: the options must name the right codec and read the
// right block.
TEST(EncoderOptionsChoices, EveryChoiceReadsItsOwnBlock) {
  struct TCase {
    int Format;
    std::vector<std::pair<std::string, std::string>> Select;
    const char* Codec;   // "-vcodec x " or "-acodec x "
    const char* Block;   // suffix of the block that must be read
  };
  using K = std::vector<std::pair<std::string, std::string>>;
  const TCase cases[] = {
      {ofAVI, K{{"VideoCodec", "0"}}, "-vcodec msmpeg4 ", "DivX"},
      {ofAVI, K{{"VideoCodec", "1"}}, "-vcodec xvid ", "XviD"},
      {ofAVI, K{{"VideoCodec", "2"}}, "-vcodec msmpeg4 ", "MsMpeg4"},
      {ofAVI, K{{"VideoCodec", "3"}}, "-vcodec msmpeg4v2 ", "MsMpeg4v2"},
      {ofAVI, K{{"VideoCodec", "4"}}, "-vcodec h263 ", "H263"},
      {ofAVI, K{{"VideoCodec", "5"}}, "-vcodec h263p ", "H263P"},
      {ofAVI, K{{"VideoCodec", "6"}}, "-vcodec h264 ", "H264"},
      {ofAVI, K{{"VideoCodec", "7"}}, "-vcodec ffvhuff ", "huffYUV"},
      {ofAVI, K{{"VideoCodec", "8"}}, "-vcodec mjpeg ", "Mjpeg"},
      {ofAVI, K{{"VideoCodec", "9"}}, "-vcodec svq1 ", "Svq1"},
      {ofAVI, K{{"VideoCodec", "10"}}, "-vcodec flv ", "Flv"},
      {ofAVI, K{{"AudioCodec", "0"}}, "-acodec mp2 ", "Mp2"},
      {ofAVI, K{{"AudioCodec", "1"}}, "-acodec mp3 ", "Mp3"},
      {ofAVI, K{{"AudioCodec", "2"}}, "-acodec pcm_s16le ", "Pcm16le"},
      {ofAVI, K{{"AudioCodec", "3"}}, "-acodec pcm_u8 ", "Pcmu8"},
      {ofAVI, K{{"AudioCodec", "4"}}, "-acodec ac3 ", "AC3"},
      {ofMP4, K{{"VideoCodec", "0"}}, "-vcodec h264 ", "H264"},
      {ofMP4, K{{"Format", "3"}}, "-acodec aac ", "AACMp4"},
      {ofMP4, K{{"Format", "0"}}, "-acodec aac ", "AACMp4"},
      {ofMP4, K{{"Format", "1"}}, "-acodec aac ", "AACPsp"},
      {of3GP, K{{"TgpFormat", "0"}, {"VideoCodecNokia", "0"}}, "-vcodec h263 ", "H263"},
      {of3GP, K{{"TgpFormat", "0"}, {"VideoCodecNokia", "1"}}, "-vcodec msmpeg4 ", "DivX"},
      {of3GP, K{{"TgpFormat", "1"}, {"VideoCodecSony", "0"}}, "-vcodec msmpeg4 ", "DivX"},
      {of3GP, K{{"TgpFormat", "2"}, {"VideoCodecSony", "1"}}, "-vcodec xvid ", "XviD"},
      {of3GP, K{{"TgpFormat", "0"}, {"AudioCodecNokia", "0"}}, "-acodec amr_nb ", "Armnb"},
      {of3GP, K{{"TgpFormat", "0"}, {"AudioCodecNokia", "1"}}, "-acodec amr_wb ", "Armwb"},
      {of3GP, K{{"TgpFormat", "0"}, {"AudioCodecNokia", "2"}}, "-acodec aac ", "AACMp4"},
      {of3GP, K{{"TgpFormat", "1"}, {"AudioCodecSony", "0"}}, "-acodec aac ", "AACMp4"},
      {ofMPEG, K{{"VideoCodec", "0"}}, "-vcodec mpeg1video ", "Mpeg1"},
      {ofMPEG, K{{"VideoCodec", "1"}}, "-vcodec mpeg2video ", "Mpeg2"},
      {ofMPEG, K{{"VideoCodec", "0"}, {"AudioCodecMpeg1", "0"}, {"AudioCodecMpeg2", "2"}}, "-acodec mp2 ", "Mp2"},
      {ofMPEG, K{{"VideoCodec", "0"}, {"AudioCodecMpeg1", "1"}, {"AudioCodecMpeg2", "0"}}, "-acodec mp3 ", "Mp3"},
      {ofMPEG, K{{"VideoCodec", "1"}, {"AudioCodecMpeg2", "0"}, {"AudioCodecMpeg1", "1"}}, "-acodec ac3 ", "AC3"},
      {ofMPEG, K{{"VideoCodec", "1"}, {"AudioCodecMpeg2", "1"}, {"AudioCodecMpeg1", "1"}}, "-acodec mp2 ", "Mp2"},
      {ofMPEG, K{{"VideoCodec", "1"}, {"AudioCodecMpeg2", "2"}, {"AudioCodecMpeg1", "0"}}, "-acodec mp3 ", "Mp3"},
      {ofMOV, K{{"VideoCodec", "0"}}, "-vcodec svq1 ", "Svq1"},
      {ofMOV, K{{"VideoCodec", "1"}}, "-vcodec msmpeg4 ", "DivX"},
      {ofMOV, K{{"VideoCodec", "2"}}, "-vcodec xvid ", "XviD"},
      {ofMOV, K{{"VideoCodec", "3"}}, "-vcodec h263 ", "H263"},
      {ofMOV, K{{"VideoCodec", "4"}}, "-vcodec h264 ", "H264"},
      {ofMOV, K{{"AudioCodec", "0"}}, "-acodec aac ", "AACMp4"},
      {ofMOV, K{{"AudioCodec", "1"}}, "-acodec pcm_alaw ", "Alaw"},
      {ofMOV, K{{"AudioCodec", "2"}}, "-acodec amr_nb ", "Armnb"},
      {ofMOV, K{{"AudioCodec", "3"}}, "-acodec pcm_s16le ", "Pcm16le"},
      {ofMOV, K{{"AudioCodec", "4"}}, "-acodec pcm_s16be ", "Pcm16be"},
      {ofWMV, K{{"VideoCodec", "0"}}, "-vcodec msmpeg4 ", "MsMpeg4"},
      {ofWMV, K{{"VideoCodec", "1"}}, "-vcodec msmpeg4v2 ", "MsMpeg4v2"},
      {ofWMV, K{{"VideoCodec", "2"}}, "-vcodec wmv1 ", "Wmv7"},
      {ofWMV, K{{"VideoCodec", "3"}}, "-vcodec wmv2 ", "Wmv8"},
      {ofWMV, K{{"AudioCodec", "0"}}, "-acodec mp3 ", "Mp3"},
      {ofRM, K{{"VideoCodec", "0"}}, "-vcodec rv10 ", "Rm10"},
      {ofRM, K{{"AudioCodec", "0"}}, "-acodec ac3 ", "AC3"},
      {ofSWF, K{{"VideoCodec", "0"}}, "-vcodec flv ", "Flv"},
      {ofSWF, K{{"AudioCodec", "0"}}, "-acodec mp3 ", "Mp3"},
      {ofVOB, K{{"VideoCodec", "0"}}, "-vcodec mpeg2video ", "Mpeg2"},
      {ofVOB, K{{"AudioCodec", "0"}}, "-acodec mp2 ", "Mp2"},
      {ofVOB, K{{"AudioCodec", "1"}}, "-acodec ac3 ", "AC3"},
      {ofASF, K{{"VideoCodec", "0"}}, "-vcodec msmpeg4 ", "MsMpeg4"},
      {ofASF, K{{"VideoCodec", "1"}}, "-vcodec msmpeg4v2 ", "MsMpeg4v2"},
      {ofASF, K{{"AudioCodec", "0"}}, "-acodec mp3 ", "Mp3"},
      {ofAAC, K{{"AudioCodec", "0"}}, "-acodec aac ", "AACMp4"},
      {ofAC3, K{{"AudioCodec", "0"}}, "-acodec ac3 ", "AC3"},
      {ofMP2, K{{"AudioCodec", "0"}}, "-acodec mp2 ", "Mp2"},
      {ofMP3, K{{"AudioCodec", "0"}}, "-acodec mp3 ", "Mp3"},
      {ofAMR, K{{"AudioCodec", "0"}}, "-acodec amr_nb ", "Armnb"},
      {ofAMR, K{{"AudioCodec", "1"}}, "-acodec amr_wb ", "Armwb"},
      {ofWAV, K{{"AudioCodec", "0"}}, "-acodec pcm_s16le ", "Pcm16le"},
      {ofWAV, K{{"AudioCodec", "1"}}, "-acodec pcm_u8 ", "Pcmu8"},
  };
  // The sample rates short blocks are marked with, by their place in the record.
  const char* const shortRates[] = {"12000", "16000", "24000", "32000"};
  for (const TCase& c : cases) {
    std::string name(OutputFormatNames[static_cast<size_t>(c.Format)]);
    SCOPED_TRACE(name + " " + c.Codec + c.Block);
    ResetAllProfileSettings();
    // Mark every block with a value no other block of the record holds.
    K keys;
    std::map<std::string, std::string> mark;  // block suffix -> what it emits
    int video = 0, audio = 0, shortBlocks = 0;
    for (std::string_view key : ProfileKeys(c.Format)) {
      std::string k(key);
      auto after = [&](const char* role) { return k.rfind(role, 0) == 0 ? k.substr(std::strlen(role)) : ""; };
      if (std::string s = after("VideoBitRatePreset"); !s.empty()) {
        std::string v = std::to_string(1001 + video++);
        keys.push_back({k, v});
        keys.push_back({"VideoBitRateUsePresert" + s, "1"});
        mark[s] = "-b " + v + "k ";
      } else if (std::string a = after("AudioBitRatePreset"); !a.empty()) {
        std::string v = std::to_string(301 + audio++);
        keys.push_back({k, v});
        keys.push_back({"AudioBitRateUseAutoSet" + a, "0"});
        mark[a] = "-ab " + v + " ";
      } else if (std::string r = after("AudioSampleRate"); !r.empty() && !mark.count(r) &&
                 (r == "Pcm16le" || r == "Pcmu8" || r == "Pcm16be" || r == "Alaw")) {
        keys.push_back({k, std::to_string(shortBlocks + 1 + (shortBlocks > 1))});
        mark[r] = std::string("-ar ") + shortRates[shortBlocks++] + " ";
      }
    }
    keys.insert(keys.end(), c.Select.begin(), c.Select.end());
    std::string o = OptionsWith(c.Format, keys);
    EXPECT_NE(o.find(c.Codec), std::string::npos) << o;
    ASSERT_TRUE(mark.count(c.Block)) << c.Block;
    EXPECT_NE(o.find(mark[c.Block]), std::string::npos) << o;
    // No other block of the same kind shows up.
    const bool videoRow = std::string_view(c.Codec).rfind("-vcodec", 0) == 0;
    for (const auto& [block, piece] : mark) {
      const bool videoMark = piece.rfind("-b ", 0) == 0;
      if (block != c.Block && videoMark == videoRow) {
        EXPECT_EQ(o.find(piece), std::string::npos) << block << ": " << o;
      }
    }
  }
  ResetAllProfileSettings();
  ResetGlobalVars();
}

// The channel and rate rules of the audio groups that a block number alone
// cannot show.
TEST(EncoderOptionsChoices, ChannelAndRateRules) {
  struct TCase {
    int Format;
    std::vector<std::pair<std::string, std::string>> Keys;
    const char* Present;
    const char* Absent;
  };
  using K = std::vector<std::pair<std::string, std::string>>;
  const TCase cases[] = {
      {ofAC3, K{{"AudioChannelsAC3", "0"}, {"AudioSampleRateAC3", "1"}}, "-ac 1 -ar 24000 ", "-ac 2"},
      {ofAC3, K{{"AudioChannelsAC3", "1"}, {"AudioSampleRateAC3", "2"}}, "-ac 2 -ar 44100 ", "-ac 1"},
      {ofAC3, K{{"AudioChannelsAC3", "2"}, {"AudioSampleRateAC3", "0"}}, "-ac 5:1 -ar 48000 ", "22050"},
      {ofMP4, K{{"Format", "1"}, {"AudioSampleRateAACPsp", "0"}}, "-ar 48000 ", "-f mp4"},
      {ofMP4, K{{"Format", "1"}, {"AudioSampleRateAACPsp", "1"}}, "-f psp ", "-ar"},
      {ofMP4, K{{"Format", "0"}, {"AudioSampleRateAACMp4", "2"}}, "-ar 16000 ", "-f psp"},
      {ofSWF, K{{"AudioSampleRateMp3", "2"}}, "-ar 44100 ", "-ar 22050"},
      {ofAMR, K{{"AudioChannelsArmnb", "1"}, {"AudioSampleRateArmnb", "1"}}, "-acodec amr_nb ", "-ar"},
      {ofAMR, K{{"AudioChannelsArmnb", "1"}}, "-ar 8000 ", "-ac 1"},
      {ofVOB, K{{"VideoKeepFrameRateMpeg2", "0"}, {"VideoFrameRateMpeg2", "0"}}, "-r 19.98 ", "-r 10 "},
  };
  for (const TCase& c : cases) {
    ResetAllProfileSettings();
    std::string o = OptionsWith(c.Format, c.Keys);
    EXPECT_NE(o.find(c.Present), std::string::npos) << o;
    EXPECT_EQ(o.find(c.Absent), std::string::npos) << o;
  }
  ResetAllProfileSettings();
  ResetGlobalVars();
}
