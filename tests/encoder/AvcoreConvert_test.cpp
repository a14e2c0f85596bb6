// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of option string the profiles produce, converted for real and
// checked by ffprobe, not by avcore's own words.
#include <gtest/gtest.h>

#include <cmath>

#include "E2eSupport.h"

namespace {

struct TExpect {
  const char* Format;  // part of ffprobe's format name
  const char* Video;   // codec, "" = no video stream
  int Width, Height;
  double Fps;
  const char* Audio;  // codec, "" = no audio stream
  int SampleRate, Channels;
  double Duration;
};

struct TCase {
  const char* Name;
  TClip Clip;
  const char* Options;
  const char* Extension;
  TExpect Expect;
};

void PrintTo(const TCase& c, std::ostream* os) {
  *os << c.Name;
}

std::string CaseName(const ::testing::TestParamInfo<TCase>& p) {
  return p.param.Name;
}

class Convert : public ::testing::TestWithParam<TCase> {};

TEST_P(Convert, WritesWhatWasAskedFor) {
  const TCase& c = GetParam();
  const TExpect& e = c.Expect;
  TTempDir out;
  const std::string output = out / (std::string("out file ") + c.Name + c.Extension);
  TRunResult r = RunAvcore(ClipPath(c.Clip), c.Options, output);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;

  // The console as the batch reads it.
  TConsoleReading console = ReadConsole(r.Err);
  EXPECT_TRUE(console.FailureLines.empty()) << r.Err;
  EXPECT_EQ(console.InputName, ClipPath(c.Clip));
  EXPECT_EQ(console.OutputName, output);
  EXPECT_NEAR(console.DurationMs, 1000, 50) << r.Err;
  ASSERT_FALSE(console.PositionsMs.empty()) << r.Err;
  for (size_t i = 1; i < console.PositionsMs.size(); ++i)
    EXPECT_GE(console.PositionsMs[i], console.PositionsMs[i - 1]) << r.Err;
  EXPECT_NEAR(static_cast<double>(console.PositionsMs.back()) / 1000, e.Duration, 0.15) << r.Err;

  // The file itself.
  TProbe p = Probe(output);
  ASSERT_TRUE(p.Ok) << output;
  EXPECT_NE(p.Format.find(e.Format), std::string::npos) << p.Format;
  EXPECT_NEAR(p.Duration, e.Duration, 0.15);
  const TProbeStream* v = p.First("video");
  if (*e.Video == '\0') {
    EXPECT_EQ(v, nullptr);
  } else {
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->Codec, e.Video);
    EXPECT_EQ(v->Width, e.Width);
    EXPECT_EQ(v->Height, e.Height);
    EXPECT_NEAR(v->FrameRate, e.Fps, e.Fps * 0.01);
  }
  const TProbeStream* a = p.First("audio");
  if (*e.Audio == '\0') {
    EXPECT_EQ(a, nullptr);
  } else {
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Codec, e.Audio);
    EXPECT_EQ(a->SampleRate, e.SampleRate);
    EXPECT_EQ(a->Channels, e.Channels);
  }
  EXPECT_EQ(DecodeErrors(output), "");
}

constexpr TClip V43 = TClip::Video43, V169 = TClip::Video169, Aud = TClip::AudioOnly,
                Odd = TClip::VideoOdd, Hd = TClip::VideoHd;
constexpr double Ntsc = 30000.0 / 1001, Film = 24000.0 / 1001;

// The builder's default option string of each of the sixteen formats.
const TCase kDefaults[] = {
    {"AVI",
     V43,
     "-y -f avi -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 -ab 96 -ar 22050 ",
     ".avi",
     {"avi", "msmpeg4v3", 320, 240, 25, "mp3", 22050, 2, 1.0}},
    {"MP4",
     V43,
     "-y -f mp4 -vcodec h264 -s 320x240 -b 1200k -r 25 -acodec aac -ac 2 -ab 64 -ar 22050 ",
     ".mp4",
     {"mp4", "h264", 320, 240, 25, "aac", 22050, 2, 1.0}},
    {"3GP",
     V43,
     "-y -f 3gp -vcodec h263 -s 176x144 -b 144k -r 12.5 -aspect 11:9 -acodec amr_nb -ac 1 -ar 8000 "
     "-ab 13 ",
     ".3gp",
     {"3gp", "h263", 176, 144, 12.5, "amr_nb", 8000, 1, 1.0}},
    {"MPEG",
     V43,
     "-y -vcodec mpeg2video -b 2496k -r 29.97 -acodec ac3 -ac 2 -ar 48000 -ab 256 ",
     ".mpg",
     {"mpeg", "mpeg2video", 320, 240, Ntsc, "ac3", 48000, 2, 1.0}},
    {"MOV",
     V43,
     "-y -f mov -vcodec h264 -b 1200k -r 25 -ac 2 -ab 64 -ar 22050 ",
     ".mov",
     {"mov", "h264", 320, 240, 25, "aac", 22050, 2, 1.0}},
    {"WMV",
     V43,
     "-y -vcodec wmv2 -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050 ",
     ".wmv",
     {"asf", "wmv2", 320, 240, 25, "mp3", 22050, 2, 1.0}},
    {"RM",
     V43,
     "-y -f rm -b 768k -vcodec rv10 -r 25 -acodec ac3 -ac 2 -ar 48000 -ab 256 ",
     ".rm",
     {"rm", "rv10", 320, 240, 25, "ac3", 48000, 2, 1.0}},
    {"SWF",
     V43,
     "-y -vcodec flv -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050 ",
     ".swf",
     {"swf", "flv1", 320, 240, 25, "mp3", 22050, 2, 1.0}},
    {"VOB",
     V43,
     "-y -f vob -vcodec mpeg2video -s 720x576 -b 6000k -r 25 -aspect 5:4 -acodec ac3 -ac 2 -ar "
     "48000 -ab 384 ",
     ".vob",
     {"mpeg", "mpeg2video", 720, 576, 25, "ac3", 48000, 2, 1.0}},
    {"ASF",
     V43,
     "-y -f asf -vcodec msmpeg4 -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050 -ab 64 ",
     ".asf",
     {"asf", "msmpeg4v3", 320, 240, 25, "mp3", 22050, 2, 1.0}},
    {"AAC",
     V43,
     "-y -f aac -vn -acodec aac -ac 2 -ab 128 -ar 44100 ",
     ".aac",
     {"aac", "", 0, 0, 0, "aac", 44100, 2, 1.0}},
    {"AC3",
     V43,
     "-y -f ac3 -vn -acodec ac3 -ac 2 -ar 48000 -ab 384 ",
     ".ac3",
     {"ac3", "", 0, 0, 0, "ac3", 48000, 2, 1.0}},
    {"MP2",
     V43,
     "-y -f mp2 -vn -acodec mp2 -ac 2 -ab 160 -ar 44100 ",
     ".mp2",
     {"mp", "", 0, 0, 0, "mp2", 44100, 2, 1.0}},
    {"MP3",
     Aud,
     "-y -f mp3 -vn -acodec mp3 -ac 2 -ab 128 -ar 44100 ",
     ".mp3",
     {"mp3", "", 0, 0, 0, "mp3", 44100, 2, 1.0}},
    {"AMR",
     Aud,
     "-y -f amr -vn -acodec amr_nb -ac 1 -ar 8000 -ab 13 ",
     ".amr",
     {"amr", "", 0, 0, 0, "amr_nb", 8000, 1, 1.0}},
    {"WAV",
     Aud,
     "-y -f wav -vn -acodec pcm_s16le -ac 2 -ar 44100 ",
     ".wav",
     {"wav", "", 0, 0, 0, "pcm_s16le", 44100, 2, 1.0}},
};
INSTANTIATE_TEST_SUITE_P(Defaults, Convert, ::testing::ValuesIn(kDefaults), CaseName);

// Every video codec the AVI, MOV, WMV, ASF and 3GP editors offer (the
// defaults above cover the rest), some from a 16:9 source.
const TCase kVideoCodecs[] = {
    {"AviXvid",
     V169,
     "-y -f avi -vcodec xvid -b 1080k -r 25 -an ",
     ".avi",
     {"avi", "mpeg4", 320, 180, 25, "", 0, 0, 1.0}},
    {"AviMsMpeg4v2",
     V43,
     "-y -f avi -vcodec msmpeg4v2 -b 1080k -r 25 -an ",
     ".avi",
     {"avi", "msmpeg4v2", 320, 240, 25, "", 0, 0, 1.0}},
    {"AviH263",
     V43,
     "-y -f avi -vcodec h263 -s 352x288 -b 1080k -r 25 -aspect 4:3 -an ",
     ".avi",
     {"avi", "h263", 352, 288, 25, "", 0, 0, 1.0}},
    {"AviH263FromSource",
     V169,
     "-y -f avi -vcodec h263 -b 1080k -r 25 -an ",
     ".avi",
     {"avi", "h263", 352, 288, 25, "", 0, 0, 1.0}},
    {"AviH263P",
     V43,
     "-y -f avi -vcodec h263p -s 322x242 -b 1080k -r 25 -an ",
     ".avi",
     {"avi", "h263", 324, 244, 25, "", 0, 0, 1.0}},
    {"AviH264",
     V169,
     "-y -f avi -vcodec h264 -b 1080k -r 25 -an ",
     ".avi",
     {"avi", "h264", 320, 180, 25, "", 0, 0, 1.0}},
    {"AviFfvhuff",
     V43,
     "-y -f avi -vcodec ffvhuff -strict -2 -b 1080k -r 25 -an ",
     ".avi",
     {"avi", "ffvhuff", 320, 240, 25, "", 0, 0, 1.0}},
    {"AviMjpeg",
     V43,
     "-y -f avi -vcodec mjpeg -b 1080k -r 15 -an ",
     ".avi",
     {"avi", "mjpeg", 320, 240, 15, "", 0, 0, 1.0}},
    {"AviSvq1",
     V43,
     "-y -f avi -vcodec svq1 -b 1080k -r 25 -an ",
     ".avi",
     {"avi", "svq1", 320, 240, 25, "", 0, 0, 1.0}},
    {"AviFlv",
     V43,
     "-y -f avi -vcodec flv -b 1080k -r 25 -an ",
     ".avi",
     {"avi", "flv1", 320, 240, 25, "", 0, 0, 1.0}},
    {"AviSameQuality",
     V43,
     "-y -f avi -sameq -vcodec msmpeg4 -b 1080k -r 25 -an ",
     ".avi",
     {"avi", "msmpeg4v3", 320, 240, 25, "", 0, 0, 1.0}},
    {"MovSvq1",
     V43,
     "-y -f mov -vcodec svq1 -b 1200k -r 25 -an ",
     ".mov",
     {"mov", "svq1", 320, 240, 25, "", 0, 0, 1.0}},
    {"MovMsMpeg4",
     V43,
     "-y -f mov -vcodec msmpeg4 -b 1200k -r 29.97 -an ",
     ".mov",
     {"mov", "mpeg4", 320, 240, Ntsc, "", 0, 0, 1.0}},
    {"MovXvid",
     V43,
     "-y -f mov -vcodec xvid -b 1200k -r 25 -an ",
     ".mov",
     {"mov", "mpeg4", 320, 240, 25, "", 0, 0, 1.0}},
    {"MovH263",
     V43,
     "-y -f mov -vcodec h263 -s 352x288 -b 1200k -r 25 -an ",
     ".mov",
     {"mov", "h263", 352, 288, 25, "", 0, 0, 1.0}},
    {"WmvMsMpeg4",
     V43,
     "-y -vcodec msmpeg4 -b 768k -r 25 -an ",
     ".wmv",
     {"asf", "msmpeg4v3", 320, 240, 25, "", 0, 0, 1.0}},
    {"WmvMsMpeg4v2",
     V43,
     "-y -vcodec msmpeg4v2 -b 768k -r 25 -an ",
     ".wmv",
     {"asf", "msmpeg4v2", 320, 240, 25, "", 0, 0, 1.0}},
    {"WmvWmv1",
     V169,
     "-y -vcodec wmv1 -b 768k -r 25 -an ",
     ".wmv",
     {"asf", "wmv1", 320, 180, 25, "", 0, 0, 1.0}},
    {"AsfMsMpeg4v2",
     V43,
     "-y -f asf -vcodec msmpeg4v2 -b 768k -r 25 -an ",
     ".asf",
     {"asf", "msmpeg4v2", 320, 240, 25, "", 0, 0, 1.0}},
    {"TgpNokiaMsMpeg4",
     V43,
     "-y -f 3gp -vcodec msmpeg4 -s 176x144 -b 144k -r 25 -aspect 11:9 -acodec aac -ac 2 -ab 56 -ar "
     "22050 ",
     ".3gp",
     {"3gp", "mpeg4", 176, 144, 25, "aac", 22050, 2, 1.0}},
    {"TgpSonyXvid",
     V43,
     "-y -f 3gp -vcodec xvid -s 176x144 -b 96k -r 25 -aspect 11:9 -acodec aac -ac 2 -ab 56 -ar "
     "22050 ",
     ".3gp",
     {"3gp", "mpeg4", 176, 144, 25, "aac", 22050, 2, 1.0}},
    // Source sizes the encoders refuse are fitted without being asked.
    {"AviH264FromOddSize",
     Odd,
     "-y -f avi -vcodec h264 -b 1080k -r 25 -an ",
     ".avi",
     {"avi", "h264", 320, 240, 25, "", 0, 0, 1.0}},
    {"WmvWmv2FromOddSize",
     Odd,
     "-y -vcodec wmv2 -b 768k -r 25 -an ",
     ".wmv",
     {"asf", "wmv2", 320, 240, 25, "", 0, 0, 1.0}},
    {"AviH263PFromOddSize",
     Odd,
     "-y -f avi -vcodec h263p -b 1080k -r 25 -an ",
     ".avi",
     {"avi", "h263", 320, 240, 25, "", 0, 0, 1.0}},
    {"RmFromHd",
     Hd,
     "-y -f rm -b 768k -vcodec rv10 -r 25 -an ",
     ".rm",
     {"rm", "rv10", 720, 400, 25, "", 0, 0, 1.0}},
    // 320x180 is 4 lines off RealVideo's 16-pixel grid, more than 2 % to cut:
    // padded, not stretched.
    {"RmFrom169",
     V169,
     "-y -f rm -b 768k -vcodec rv10 -r 25 -an ",
     ".rm",
     {"rm", "rv10", 320, 192, 25, "", 0, 0, 1.0}},
};
INSTANTIATE_TEST_SUITE_P(VideoCodecs, Convert, ::testing::ValuesIn(kVideoCodecs), CaseName);

// Audio groups the defaults leave out, and values that must be snapped.
const TCase kAudioGroups[] = {
    {"Ac3SixChannels",
     V43,
     "-y -f ac3 -vn -acodec ac3 -ab 256 -ac 5:1 -ar 48000 ",
     ".ac3",
     {"ac3", "", 0, 0, 0, "ac3", 48000, 6, 1.0}},
    {"Ac3At22050",
     Aud,
     "-y -f ac3 -vn -acodec ac3 -ac 1 -ar 22050 -ab 100 ",
     ".ac3",
     {"ac3", "", 0, 0, 0, "ac3", 32000, 1, 1.0}},
    {"Mp2FiveOneAt11025",
     Aud,
     "-y -f mp2 -vn -acodec mp2 -ac 5:1 -ab 320 -ar 11025 ",
     ".mp2",
     {"mp", "", 0, 0, 0, "mp2", 16000, 2, 1.0}},
    {"VobMp2",
     V43,
     "-y -f vob -vcodec mpeg2video -s 720x576 -b 6000k -r 25 -aspect 5:4 -acodec mp2 -ac 2 -ab 320 "
     "-ar 48000 ",
     ".vob",
     {"mpeg", "mpeg2video", 720, 576, 25, "mp2", 48000, 2, 1.0}},
    {"Mp3Mono24000",
     Aud,
     "-y -f mp3 -vn -acodec mp3 -ac 1 -ab 192 -ar 24000 ",
     ".mp3",
     {"mp3", "", 0, 0, 0, "mp3", 24000, 1, 1.0}},
    {"SwfAt48000",
     V43,
     "-y -vcodec flv -b 768k -r 25 -acodec mp3 -ac 2 -ab 64 -ar 48000 ",
     ".swf",
     {"swf", "flv1", 320, 240, 25, "mp3", 44100, 2, 1.0}},
    {"PspAac",
     V43,
     "-y -f psp -vcodec h264 -s 320x240 -b 1200k -r 25 -acodec aac -ac 2 -ab 64 -ar 48000 ",
     ".mp4",
     {"mp4", "h264", 320, 240, 25, "aac", 48000, 2, 1.0}},
    {"TgpAmrWb",
     V43,
     "-y -f 3gp -vcodec h263 -s 176x144 -b 144k -r 12.5 -acodec amr_wb -ac 1 -ar 16000 -ab 13 ",
     ".3gp",
     {"3gp", "h263", 176, 144, 12.5, "amr_wb", 16000, 1, 1.0}},
    {"AmrWb",
     Aud,
     "-y -f amr -vn -acodec amr_wb -ac 1 -ar 16000 -ab 24 ",
     ".amr",
     {"amr", "", 0, 0, 0, "amr_wb", 16000, 1, 1.0}},
    {"MovAlaw",
     V43,
     "-y -f mov -vcodec svq1 -b 1200k -r 25 -acodec pcm_alaw -ac 1 -ar 11025 ",
     ".mov",
     {"mov", "svq1", 320, 240, 25, "pcm_alaw", 11025, 1, 1.0}},
    {"MovAmrNb",
     V43,
     "-y -f mov -vcodec svq1 -b 1200k -r 25 -acodec amr_nb -ab 8 ",
     ".mov",
     {"mov", "svq1", 320, 240, 25, "amr_nb", 8000, 1, 1.0}},
    {"MovPcm16le",
     Aud,
     "-y -f mov -vn -acodec pcm_s16le -ac 2 -ar 32000 ",
     ".mov",
     {"mov", "", 0, 0, 0, "pcm_s16le", 32000, 2, 1.0}},
    {"MovPcm16be",
     Aud,
     "-y -f mov -vn -acodec pcm_s16be -ac 2 -ar 22050 ",
     ".mov",
     {"mov", "", 0, 0, 0, "pcm_s16be", 22050, 2, 1.0}},
    {"AviPcm16le",
     V43,
     "-y -f avi -vcodec msmpeg4 -b 1080k -r 25 -acodec pcm_s16le -ac 2 -ar 48000 ",
     ".avi",
     {"avi", "msmpeg4v3", 320, 240, 25, "pcm_s16le", 48000, 2, 1.0}},
    {"WavPcmU8",
     Aud,
     "-y -f wav -vn -acodec pcm_u8 -ac 1 -ar 48000 ",
     ".wav",
     {"wav", "", 0, 0, 0, "pcm_u8", 48000, 1, 1.0}},
};
INSTANTIATE_TEST_SUITE_P(AudioGroups, Convert, ::testing::ValuesIn(kAudioGroups), CaseName);

// The nine MPEG presets, and time windows.
const TCase kTargets[] = {
    {"FilmVcd",
     V43,
     "-target film-vcd ",
     ".mpg",
     {"mpeg", "mpeg1video", 352, 240, Film, "mp2", 44100, 2, 1.05}},
    {"NtscVcd",
     V43,
     "-target ntsc-vcd ",
     ".mpg",
     {"mpeg", "mpeg1video", 352, 240, Ntsc, "mp2", 44100, 2, 1.0}},
    {"PalVcd",
     V43,
     "-target pal-vcd ",
     ".mpg",
     {"mpeg", "mpeg1video", 352, 288, 25, "mp2", 44100, 2, 1.0}},
    {"FilmSvcd",
     V43,
     "-target film-svcd ",
     ".mpg",
     {"mpeg", "mpeg2video", 480, 480, Film, "mp2", 44100, 2, 1.05}},
    {"NtscSvcd",
     V43,
     "-target ntsc-svcd ",
     ".mpg",
     {"mpeg", "mpeg2video", 480, 480, Ntsc, "mp2", 44100, 2, 1.0}},
    {"PalSvcd",
     V43,
     "-target pal-svcd ",
     ".mpg",
     {"mpeg", "mpeg2video", 480, 576, 25, "mp2", 44100, 2, 1.0}},
    {"FilmDvd",
     V43,
     "-target film-dvd -b 6000k -ab 384 ",
     ".mpg",
     {"mpeg", "mpeg2video", 720, 480, Film, "ac3", 48000, 2, 1.05}},
    {"NtscDvd",
     V43,
     "-target ntsc-dvd -b 6000k ",
     ".mpg",
     {"mpeg", "mpeg2video", 720, 480, Ntsc, "ac3", 48000, 2, 1.0}},
    {"PalDvd",
     V43,
     "-target pal-dvd -b 6000k -aspect 4:3 -ab 384 ",
     ".mpg",
     {"mpeg", "mpeg2video", 720, 576, 25, "ac3", 48000, 2, 1.0}},
    {"AviWindow",
     V43,
     "-y -f avi  -t 0:00:00.400 -ss 0:00:00.200 -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 "
     "-ab 96 -ar 22050 ",
     ".avi",
     {"avi", "msmpeg4v3", 320, 240, 25, "mp3", 22050, 2, 0.4}},
    {"Mp3Window",
     Aud,
     "-y -f mp3  -t 0:00:00.500 -ss 0:00:00.250 -vn -acodec mp3 -ac 2 -ab 128 -ar 44100 ",
     ".mp3",
     {"mp3", "", 0, 0, 0, "mp3", 44100, 2, 0.5}},
    {"MpegPresetWindow",
     V43,
     " -t 0:00:00.600 -ss 0:00:00.200 -target pal-vcd ",
     ".mpg",
     {"mpeg", "mpeg1video", 352, 288, 25, "mp2", 44100, 2, 0.6}},
};
INSTANTIATE_TEST_SUITE_P(TargetsAndWindows, Convert, ::testing::ValuesIn(kTargets), CaseName);

}  // namespace
