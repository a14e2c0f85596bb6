// SPDX-License-Identifier: GPL-3.0-or-later
// The files people really have: music with cover art, pictures shorter than
// their sound, camcorder transport streams with long GOPs and interlaced
// fields, 5.1 films, 16:9 clips, damaged files. Each is made here the way a
// camera, a phone or a tagging tool makes it, converted through the targets
// and device items it concerns, and the output is judged by what the file
// holds: its streams, packets, lengths, fields, levels and shapes.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "E2eSupport.h"
#include "MediaMeasure.h"
#include "TargetOptions.h"

namespace {

std::string CaseName(const std::string& name) {
  std::string s;
  for (char c : name) s += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return s;
}

// ---------------------------------------------------------------------------
// Pictures held for the sound: SWF keeps sound only beside pictures, and a
// cover picture is no video until it is made one.

enum class THeld { Cover, OnePicture, ShortPicture, NoLengths, Truncated };

const std::string& HeldSource(THeld s) {
  switch (s) {
    case THeld::Cover:  // as a tagging tool stores the album art
      return ClipOnce("song with cover.mp3", {"-f",
                                              "lavfi",
                                              "-i",
                                              "sine=f=440:r=44100:d=3",
                                              "-f",
                                              "lavfi",
                                              "-i",
                                              "testsrc2=s=160x160:d=1",
                                              "-map",
                                              "0:a",
                                              "-map",
                                              "1:v",
                                              "-frames:v",
                                              "1",
                                              "-c:a",
                                              "libmp3lame",
                                              "-b:a",
                                              "96k",
                                              "-c:v",
                                              "mjpeg",
                                              "-disposition:v",
                                              "attached_pic",
                                              "-id3v2_version",
                                              "3"});
    case THeld::OnePicture:  // a title picture over a spoken track
      return ClipOnce("one picture.mkv",
                      {"-f", "lavfi", "-i", "testsrc2=s=320x240:r=25:d=0.04", "-f", "lavfi", "-i",
                       "sine=f=440:r=44100:d=3", "-c:v", "ffv1", "-c:a", "pcm_s16le"});
    case THeld::ShortPicture:
      return ClipOnce("short picture.mkv",
                      {"-f", "lavfi", "-i", "testsrc2=s=320x240:r=25:d=1.5", "-f", "lavfi", "-i",
                       "sine=f=440:r=44100:d=3", "-c:v", "ffv1", "-c:a", "pcm_s16le"});
    case THeld::NoLengths:  // NUT keeps no length per stream
      return ClipOnce("short picture.nut",
                      {"-f", "lavfi", "-i", "testsrc2=s=320x240:r=25:d=1.5", "-f", "lavfi", "-i",
                       "sine=f=440:r=44100:d=3", "-c:v", "ffv1", "-c:a", "pcm_s16le"});
    case THeld::Truncated:
      break;
  }
  // A download that stopped half-way: the header promises 4 s.
  static const std::string cut = [] {
    const std::string& whole =
        ClipOnce("whole.mp4", {"-f", "lavfi", "-i", "testsrc2=s=320x240:r=25:d=4", "-f", "lavfi",
                               "-i", "sine=f=440:r=44100:d=4", "-c:v", "libx264", "-preset",
                               "ultrafast", "-c:a", "aac", "-movflags", "+faststart"});
    std::string path = std::filesystem::path(whole).replace_filename("truncated.mp4");
    std::string data = ReadFileText(whole);
    WriteFileText(path, data.substr(0, data.size() / 2));
    return path;
  }();
  return cut;
}

struct THeldCase {
  std::string Name;
  THeld From;
  std::string Options, Extension;
};
void PrintTo(const THeldCase& c, std::ostream* os) {
  *os << c.Name;
}

class HeldPicture : public ::testing::TestWithParam<THeldCase> {};

TEST_P(HeldPicture, LastsAsLongAsTheSound) {
  const THeldCase& c = GetParam();
  const std::string& source = HeldSource(c.From);
  // As far as the sound really goes (a damaged file's header says more).
  const double sound = Spans(source).Length("audio");
  ASSERT_GT(sound, 1.5);
  TTempDir dir;
  const std::string out = dir / ("out" + c.Extension);
  TRunResult r = RunAvcore(source, c.Options, out);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_TRUE(ReadConsole(r.Err).FailureLines.empty()) << r.Err;
  const TSpans held = Spans(out);
  EXPECT_NEAR(held.Length("audio"), sound, 0.25) << "sound lost";
  const TSpan* video = held.Of("video");
  ASSERT_NE(video, nullptr) << "no picture";
  EXPECT_GE(video->Packets, static_cast<int>(sound * 10)) << "not a moving picture";
  EXPECT_GE(held.Length("video"), sound - 0.25) << "the picture ends before the sound";
  const TProbe probe = Probe(out);
  const TProbeStream* v = probe.First("video");
  ASSERT_NE(v, nullptr);
  EXPECT_FALSE(v->AttachedPicture) << "an encoded stream marked as cover art";
  EXPECT_EQ(DecodeErrors(out), "");
}

std::vector<THeldCase> HeldCases() {
  std::vector<THeldCase> cases = {
      {"SwfCover", THeld::Cover, kSwf, ".swf"},
      {"SwfOnePicture", THeld::OnePicture, kSwf, ".swf"},
      {"SwfShortPicture", THeld::ShortPicture, kSwf, ".swf"},
      {"SwfNoStreamLengths", THeld::NoLengths, kSwf, ".swf"},
      {"SwfTruncated", THeld::Truncated, kSwf, ".swf"},
      {"AviTruncated", THeld::Truncated, kAvi, ".avi"},
      {"MovCover", THeld::Cover, kMov, ".mov"},
      {"AviCover", THeld::Cover, kAvi, ".avi"},
      {"WmvCover", THeld::Cover, kWmv, ".wmv"},
      {"AsfCover", THeld::Cover, kAsf, ".asf"},
      {"RmCover", THeld::Cover, kRm, ".rm"},
      {"MpegCover", THeld::Cover, kMpeg, ".mpg"},
      {"VobCover", THeld::Cover, kVob, ".vob"},
      {"Mp4Cover", THeld::Cover, kMp4, ".mp4"},
      {"TgpCover", THeld::Cover, kTgp, ".3gp"},
  };
  for (const TDeviceItem& i : DeviceItems())
    cases.push_back({"Cover_" + i.Name, THeld::Cover, i.Options, i.Extension});
  return cases;
}
INSTANTIATE_TEST_SUITE_P(Sources, HeldPicture, ::testing::ValuesIn(HeldCases()),
                         [](const ::testing::TestParamInfo<THeldCase>& p) {
                           return CaseName(p.param.Name);
                         });

// ---------------------------------------------------------------------------
// A time window begins with the picture shown at its start: transport
// streams seek where no picture decodes, and a start between two frames
// left a gap in AVI.

enum class TWindowSource { LongGop, Avchd, OffGrid };

const std::string& WindowSource(TWindowSource s) {
  switch (s) {
    case TWindowSource::LongGop:  // one keyframe in the whole clip
      return ClipOnce("long gop.ts",
                      {"-f", "lavfi", "-i", "testsrc2=s=320x180:r=25:d=4", "-f", "lavfi", "-i",
                       "sine=f=440:r=48000:d=4", "-c:v", "libx264", "-preset", "ultrafast", "-g",
                       "250", "-bf", "2", "-c:a", "mp2"});
    case TWindowSource::Avchd:
      // 1080i as camcorders write it: interlaced H.264 in open GOPs of
      // half a second, AC-3, in an M2TS.
      return ClipOnce("camcorder.mts", {"-f",
                                        "lavfi",
                                        "-i",
                                        "testsrc2=s=1920x1080:r=50:d=3",
                                        "-f",
                                        "lavfi",
                                        "-i",
                                        "sine=f=440:r=48000:d=3",
                                        "-vf",
                                        "tinterlace=mode=interleave_top,setfield=tff",
                                        "-c:v",
                                        "libx264",
                                        "-preset",
                                        "ultrafast",
                                        "-flags",
                                        "+ildct+ilme",
                                        "-x264-params",
                                        "keyint=12:open-gop=1:bframes=2:b-adapt=0",
                                        "-b:v",
                                        "8M",
                                        "-c:a",
                                        "ac3",
                                        "-f",
                                        "mpegts",
                                        "-mpegts_m2ts_mode",
                                        "1"});
    case TWindowSource::OffGrid:
      break;
  }
  return ClipOnce("b frames.mp4", {"-f", "lavfi", "-i", "testsrc2=s=320x240:r=25:d=4", "-f",
                                   "lavfi", "-i", "sine=f=440:r=48000:d=4", "-c:v", "libx264",
                                   "-preset", "ultrafast", "-bf", "2", "-c:a", "aac"});
}

struct TWindowCase {
  std::string Name;
  TWindowSource From;
  std::string Options, Extension;
  double Seconds;  // the window's length
};
void PrintTo(const TWindowCase& c, std::ostream* os) {
  *os << c.Name;
}

class Window : public ::testing::TestWithParam<TWindowCase> {};

// Every window starts at 1.5 s, between two frames of the 25 fps sources.
TEST_P(Window, StartsWithThePictureShownAtItsStart) {
  const TWindowCase& c = GetParam();
  const std::string& source = WindowSource(c.From);
  const TProbe in = Probe(source);
  ASSERT_NE(in.First("video"), nullptr);
  TTempDir dir;
  const std::string out = dir / ("out" + c.Extension);
  TRunResult r = RunAvcore(source, c.Options, out);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  const TProbe probe = Probe(out);
  const TProbeStream* v = probe.First("video");
  ASSERT_NE(v, nullptr) << "no video stream";
  ASSERT_GT(v->FrameRate, 0);
  const double seconds = std::min(c.Seconds, in.Duration - 1.5);
  const TSpan* video = Spans(out).Of("video");
  ASSERT_NE(video, nullptr) << "no picture";
  EXPECT_NEAR(video->Packets, seconds * v->FrameRate, 2) << "pictures lost";
  // No gap after the first picture, and none anywhere else.
  const std::vector<double> times = VideoPacketTimes(out);
  for (size_t i = 1; i < times.size(); ++i)
    EXPECT_LT(times[i] - times[i - 1], 1.5 / v->FrameRate) << "gap after picture " << i - 1;
  // The first picture is the one shown at 1.5 s (source picture 37 of 25
  // fps), and the next ones move on: nothing is held.
  std::vector<int> matches = MatchingPictures(source, out, 4);
  ASSERT_EQ(matches.size(), 4u);
  EXPECT_NEAR(matches[0], 37, 1) << "first picture is source picture " << matches[0];
  EXPECT_GE(matches[3] - matches[0], 2) << "the first picture is held";
}

const TWindowCase kWindows[] = {
    {"LongGopAvi", TWindowSource::LongGop,
     "-y -f avi  -t 0:00:02.000 -ss 0:00:01.500 -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 "
     "-ab 96 -ar 22050",
     ".avi", 2},
    {"LongGopMov", TWindowSource::LongGop,
     "-y -f mov  -t 0:00:02.000 -ss 0:00:01.500 -vcodec h264 -b 1200k -r 25 -ac 2 -ab 64 -ar "
     "22050",
     ".mov", 2},
    {"LongGopMpeg", TWindowSource::LongGop,
     " -t 0:00:02.000 -ss 0:00:01.500 -y -vcodec mpeg2video -b 2496k -r 29.97 -acodec ac3 -ac 2 "
     "-ar 48000 -ab 256",
     ".mpg", 2},
    {"LongGopWmv", TWindowSource::LongGop,
     "-y  -t 0:00:02.000 -ss 0:00:01.500 -vcodec wmv2 -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050",
     ".wmv", 2},
    {"CamcorderAvi", TWindowSource::Avchd,
     "-y -f avi  -t 0:00:01.000 -ss 0:00:01.500 -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 "
     "-ab 96 -ar 22050",
     ".avi", 1},
    {"CamcorderMov", TWindowSource::Avchd,
     "-y -f mov  -t 0:00:01.000 -ss 0:00:01.500 -vcodec h264 -b 1200k -r 25 -ac 2 -ab 64 -ar "
     "22050",
     ".mov", 1},
    {"CamcorderPalDvd", TWindowSource::Avchd,
     " -t 0:00:01.000 -ss 0:00:01.500 -target pal-dvd -b 6000k -aspect 16:9", ".mpg", 1},
    {"CamcorderSwf", TWindowSource::Avchd,
     "-y  -t 0:00:01.000 -ss 0:00:01.500 -vcodec flv -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050",
     ".swf", 1},
    {"BFramesAvi", TWindowSource::OffGrid,
     "-y -f avi  -t 0:00:02.000 -ss 0:00:01.500 -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 "
     "-ab 96 -ar 22050",
     ".avi", 2},
    {"BFramesAviH264", TWindowSource::OffGrid,
     "-y -f avi  -t 0:00:02.000 -ss 0:00:01.500 -vcodec h264 -b 1080k -r 25 -an", ".avi", 2},
};
INSTANTIATE_TEST_SUITE_P(Sources, Window, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<TWindowCase>& p) {
                           return p.param.Name;
                         });

// ---------------------------------------------------------------------------
// ASF keeps no frame rate: readers take it from the gaps between the first
// pictures and saw 1000 fps (its millisecond clock) in a file of one.
TEST(LonePicture, AsfShowsItsFrameRate) {
  const std::string& oneFrame = ClipOnce(
      "one frame.mkv", {"-f", "lavfi", "-i", "testsrc2=s=320x240:r=25:d=0.04", "-c:v", "ffv1"});
  const std::string& still =
      ClipOnce("still.png", {"-f", "lavfi", "-i", "testsrc2=s=320x240:r=25:d=1", "-frames:v", "1"});
  for (const std::string& source : {oneFrame, still})
    for (const auto& [options, extension] : {std::pair{kWmv, ".wmv"}, {kAsf, ".asf"}}) {
      SCOPED_TRACE(source + " " + options);
      TTempDir dir;
      const std::string out = dir / (std::string("out") + extension);
      TRunResult r = RunAvcore(source, options, out);
      ASSERT_EQ(r.ExitCode, 0) << r.Err;
      const TProbe probe = Probe(out);
      const TProbeStream* v = probe.First("video");
      ASSERT_NE(v, nullptr);
      EXPECT_NEAR(v->FrameRate, 25, 0.01);
      EXPECT_EQ(DecodeErrors(out), "");
    }
}

}  // namespace
