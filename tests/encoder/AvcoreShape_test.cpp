// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures keep their shape: sources with non-square pixels display as they
// did, and a picture put into a fixed frame keeps its shape inside black bars
// in a frame marked with the shape its players expect.
#include <gtest/gtest.h>

#include <cmath>

#include "E2eSupport.h"

namespace {

struct TSource {
  const char* Name;
  int Width, Height;
  const char* PixelAspect;  // for setsar
  double Shape;             // displayed width over height
};

// A white picture (grey 235) with the given stored size and pixel shape,
// and silence.
const std::string& Source(const TSource& s) {
  const std::string size = std::to_string(s.Width) + "x" + std::to_string(s.Height);
  return ClipOnce(
      std::string(s.Name) + ".mkv",
      {"-f", "lavfi", "-i", "color=c=white:s=" + size + ":r=25:d=0.2", "-f", "lavfi", "-i",
       "anullsrc=r=48000:cl=stereo", "-vf", std::string("setsar=") + s.PixelAspect, "-c:v", "ffv1",
       "-c:a", "pcm_s16le", "-shortest"});
}

double RatioValue(const std::string& ratio) {
  size_t colon = ratio.find(':');
  return std::stod(ratio.substr(0, colon)) / std::stod(ratio.substr(colon + 1));
}

const TSource kPal43{"pal43", 720, 576, "16/15", 4.0 / 3};
const TSource kPal169{"pal169", 720, 576, "64/45", 16.0 / 9};
const TSource kNtsc43{"ntsc43", 720, 480, "8/9", 4.0 / 3};
const TSource kNtsc169{"ntsc169", 720, 480, "32/27", 16.0 / 9};
const TSource kWide{"wide", 640, 360, "1", 16.0 / 9};
const TSource kPortrait{"portrait", 360, 640, "1", 9.0 / 16};

struct TCase {
  const char* Name;
  TSource From;
  const char* Options;
  const char* Extension;
  // The display shape the frame must be marked with; for a frame left to the
  // source, the shape asked for ("" = the source's).
  const char* FrameAspect;
};

void PrintTo(const TCase& c, std::ostream* os) {
  *os << c.Name;
}
std::string Named(const ::testing::TestParamInfo<TCase>& p) {
  return p.param.Name;
}

std::string Convert(const TCase& c, const TTempDir& dir, TProbeStream& video) {
  const std::string out = dir / (std::string("out") + c.Extension);
  TRunResult r = RunAvcore(Source(c.From), c.Options, out);
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  TProbe p = Probe(out);
  if (const TProbeStream* v = p.First("video")) video = *v;
  return out;
}

// A source whose frame is left to it displays in its own shape, whether the
// container marks the pixel shape or the pixels are made square.
class SourceShape : public ::testing::TestWithParam<TCase> {};

TEST_P(SourceShape, KeepsTheDisplayedShape) {
  const TCase& c = GetParam();
  TTempDir dir;
  TProbeStream v;
  Convert(c, dir, v);
  ASSERT_GT(v.Height, 0);
  const double shape = v.Width * PixelAspect(v) / v.Height;
  const double wanted = *c.FrameAspect != '\0' ? RatioValue(c.FrameAspect) : c.From.Shape;
  EXPECT_NEAR(shape / wanted, 1, 0.02) << v.Width << "x" << v.Height << " SAR " << v.SampleAspect;
}

const TCase kSourceShapes[] = {
    {"RmPal169", kPal169, "-y -f rm -b 768k -vcodec rv10 -r 25 -an", ".rm", ""},
    {"RmPal43", kPal43, "-y -f rm -b 768k -vcodec rv10 -r 25 -an", ".rm", ""},
    {"RmNtsc169", kNtsc169, "-y -f rm -b 768k -vcodec rv10 -r 25 -an", ".rm", ""},
    {"RmNtsc43", kNtsc43, "-y -f rm -b 768k -vcodec rv10 -r 25 -an", ".rm", ""},
    {"RmAsked169", kPal43, "-y -f rm -b 768k -vcodec rv10 -r 25 -aspect 16:9 -an", ".rm", "16:9"},
    {"SwfPal169", kPal169, "-y -vcodec flv -b 768k -r 25 -an", ".swf", ""},
    {"SwfPal43", kPal43, "-y -vcodec flv -b 768k -r 25 -an", ".swf", ""},
    {"SwfNtsc169", kNtsc169, "-y -vcodec flv -b 768k -r 25 -an", ".swf", ""},
    {"SwfNtsc43", kNtsc43, "-y -vcodec flv -b 768k -r 25 -an", ".swf", ""},
    {"AviPal169", kPal169, "-y -f avi -vcodec msmpeg4 -b 1080k -r 25 -an", ".avi", ""},
    {"AviNtsc43Xvid", kNtsc43, "-y -f avi -vcodec xvid -b 1080k -r 25 -an", ".avi", ""},
    {"Mp4Ntsc169", kNtsc169, "-y -f mp4 -vcodec h264 -b 1200k -r 25 -an", ".mp4", ""},
    {"MovPal43", kPal43, "-y -f mov -vcodec svq1 -b 1200k -r 25 -an", ".mov", ""},
    {"WmvPal169", kPal169, "-y -vcodec wmv2 -b 768k -r 25 -an", ".wmv", ""},
    {"AsfNtsc169", kNtsc169, "-y -f asf -vcodec msmpeg4v2 -b 768k -r 25 -an", ".asf", ""},
    {"MpegPal169", kPal169, "-y -vcodec mpeg2video -b 2496k -r 25 -an", ".mpg", ""},
    {"TgpPal169", kPal169, "-y -f 3gp -vcodec msmpeg4 -b 300k -r 15 -an", ".3gp", ""},
};
INSTANTIATE_TEST_SUITE_P(Anamorphic, SourceShape, ::testing::ValuesIn(kSourceShapes), Named);

// The white picture's extent along one line of a frame, to a fraction of a
// pixel: edges that scaling left grey count in part.
double LitLength(const TGreyPicture& p, bool row, int at) {
  const int n = row ? p.Width : p.Height;
  double lit = 0;
  for (int i = 0; i < n; ++i) {
    int y = row ? p.At(i, at) : p.At(at, i);
    lit += std::clamp((y - 16) / (235.0 - 16), 0.0, 1.0);
  }
  return lit;
}

class FixedFrame : public ::testing::TestWithParam<TCase> {};

TEST_P(FixedFrame, LetterboxesInsideAStandardFrame) {
  const TCase& c = GetParam();
  TTempDir dir;
  TProbeStream v;
  const std::string out = Convert(c, dir, v);
  ASSERT_GT(v.Height, 0);
  // The mark: the frame's display shape is the standard one.
  const double frameShape = v.Width * PixelAspect(v) / v.Height;
  EXPECT_NEAR(frameShape, RatioValue(c.FrameAspect), 0.005)
      << v.Width << "x" << v.Height << " SAR " << v.SampleAspect;

  TGreyPicture p = DecodePicture(out, 2, v.Width, v.Height);
  ASSERT_EQ(p.Width, v.Width);
  const double width = LitLength(p, true, p.Height / 2), height = LitLength(p, false, p.Width / 2);
  ASSERT_GT(height, 0);
  EXPECT_NEAR(width * PixelAspect(v) / height / c.From.Shape, 1, 0.02)
      << "picture " << width << " x " << height << " in " << v.Width << "x" << v.Height;
  // The bars are black: nothing lit beyond the picture's extent (two pixels
  // of scaling blur allowed).
  const int barX = static_cast<int>((v.Width - width) / 2) - 2,
            barY = static_cast<int>((v.Height - height) / 2) - 2;
  int brightest = 0;
  for (int y = 0; y < p.Height; ++y)
    for (int x = 0; x < p.Width; ++x)
      if (x < barX || x >= p.Width - barX || y < barY || y >= p.Height - barY)
        brightest = std::max<int>(brightest, p.At(x, y));
  EXPECT_LE(brightest, 32) << "bars are not black";
}

const TCase kFixedFrames[] = {
    {"PalDvdWide", kWide, "-y -target pal-dvd -b 6000k -aspect 4:3 -ab 384", ".mpg", "4:3"},
    {"PalDvdPortrait", kPortrait, "-y -target pal-dvd -b 6000k", ".mpg", "4:3"},
    {"PalDvdAnamorphicAt169", kPal169, "-y -target pal-dvd -b 6000k -aspect 16:9", ".mpg", "16:9"},
    {"NtscDvdPal43", kPal43, "-y -target ntsc-dvd -b 6000k -aspect 16:9", ".mpg", "16:9"},
    {"PalVcdWide", kWide, "-y -target pal-vcd", ".mpg", "4:3"},
    {"NtscSvcdNtsc169", kNtsc169, "-y -target ntsc-svcd", ".mpg", "4:3"},
    {"VobWide", kWide,
     "-y -f vob -vcodec mpeg2video -s 720x576 -b 6000k -r 25 -aspect 5:4 -acodec ac3 -ac 2 -ar "
     "48000 -ab 384",
     ".vob", "4:3"},
    {"MpegProfileSizePortrait", kPortrait,
     "-y -vcodec mpeg2video -s 720x480 -b 2496k -r 29.97 -aspect 16:9", ".mpg", "16:9"},
    {"TgpH263Wide", kWide, "-y -f 3gp -vcodec h263 -s 176x144 -b 144k -r 12.5 -aspect 11:9 -an",
     ".3gp", "11:9"},
    {"TgpItemPal169", kPal169, "-y -f 3gp -vcodec msmpeg4 -s 320x240 -b 512k -r 25 -an", ".3gp",
     "4:3"},
    {"Tg2ItemPortrait", kPortrait, "-y -f 3g2 -vcodec msmpeg4 -s 176x144 -b 192k -r 15 -an", ".3g2",
     "11:9"},
    {"IpodItemNtsc169", kNtsc169, "-y -f ipod -vcodec h264 -s 640x480 -b 1500k -r 25 -an", ".mp4",
     "4:3"},
    {"PspItemPal43", kPal43,
     "-y -f psp -vcodec h264 -s 480x272 -b 768k -r 29.97 -acodec aac -ac 2 -ab 128 -ar 48000",
     ".mp4", "30:17"},
    {"AviUserSizeWide", kWide, "-y -f avi -vcodec msmpeg4 -s 640x480 -b 1080k -r 25 -an", ".avi",
     "4:3"},
    {"AviUserSizeAspect", kPortrait,
     "-y -f avi -vcodec xvid -s 720x576 -b 1080k -r 25 -aspect 16:9 -an", ".avi", "16:9"},
    {"RmUserSize", kPal169, "-y -f rm -b 768k -vcodec rv10 -s 352x288 -r 25 -an", ".rm", "11:9"},
    {"SwfUserSizeAspect", kPortrait, "-y -vcodec flv -s 320x240 -b 768k -r 25 -aspect 16:9 -an",
     ".swf", "4:3"},
};
INSTANTIATE_TEST_SUITE_P(Letterbox, FixedFrame, ::testing::ValuesIn(kFixedFrames), Named);

// RealVideo takes frames on a 16-pixel grid. A picture off the grid is cut
// by at most 2 % or padded with black, never stretched: a square stays square.
struct TGridCase {
  const char* Name;
  int Width, Height;
};

class RealVideoGrid : public ::testing::TestWithParam<TGridCase> {};

TEST_P(RealVideoGrid, KeepsTheShapeOfThePicture) {
  const TGridCase& c = GetParam();
  const std::string size = std::to_string(c.Width) + "x" + std::to_string(c.Height);
  const int side = c.Height / 2;
  const std::string& source =
      ClipOnce(std::string("square in ") + size + ".mkv",
               {"-f", "lavfi", "-i",
                "color=c=black:s=" + size + ":r=25:d=0.2,drawbox=x=(iw-" + std::to_string(side) +
                    ")/2:y=(ih-" + std::to_string(side) + ")/2:w=" + std::to_string(side) +
                    ":h=" + std::to_string(side) + ":color=white:t=fill",
                "-c:v", "ffv1"});
  TTempDir dir;
  const std::string out = dir / "out.rm";
  TRunResult r = RunAvcore(source, "-y -f rm -b 768k -vcodec rv10 -r 25 -an", out);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  const TProbe probe = Probe(out);
  const TProbeStream* v = probe.First("video");
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->Width % 16, 0);
  EXPECT_EQ(v->Height % 16, 0);
  TGreyPicture p = DecodePicture(out, 2, v->Width, v->Height);
  ASSERT_EQ(p.Width, v->Width);
  const double width = LitLength(p, true, p.Height / 2), height = LitLength(p, false, p.Width / 2);
  ASSERT_GT(height, 0);
  EXPECT_NEAR(width * PixelAspect(*v) / height, 1, 0.01)
      << "square shown " << width << " x " << height << " in " << v->Width << "x" << v->Height;
}

const TGridCase kGrid[] = {
    {"Wide640x360", 640, 360},  // 8 lines off the grid: padded
    {"Wide320x180", 320, 180},  // 4 of 180 lines: padded
    {"Hd1280x720", 1280, 720},  // 720x405 after the size cap: 5 lines cut
    {"Odd500x282", 500, 282},   // off the grid both ways
};
INSTANTIATE_TEST_SUITE_P(Sizes, RealVideoGrid, ::testing::ValuesIn(kGrid),
                         [](const ::testing::TestParamInfo<TGridCase>& p) {
                           return std::string(p.param.Name);
                         });

}  // namespace
