// SPDX-License-Identifier: GPL-3.0-or-later
// Interlaced footage as camcorders record it, through every kind of output:
// progressive files show the moving picture whole, MPEG-2 at the source's
// size and rate keeps the fields as they were, in their order.
#include <gtest/gtest.h>

#include "E2eSupport.h"
#include "MediaMeasure.h"
#include "TargetOptions.h"

namespace {

// ---------------------------------------------------------------------------
// Interlaced footage: a white bar moving 12 pixels a field (24 at 1080i)
// over black. Progressive outputs show it without combs or double edges;
// MPEG-2 at the source's size and rate keeps the fields in their order.

enum class TBar { PalTff, PalBff, HdTff };

// How far the bar moves from one field to the next, as a share of the width
// (12 of 720 pixels, 24 of 1920).
double FieldStep(TBar b) {
  return b == TBar::HdTff ? 24.0 / 1920 : 12.0 / 720;
}

const std::string& BarSource(TBar b) {
  // Filmed at 50 pictures a second, each field taken from its own instant.
  auto bar = [](int width, int height, int speed, bool top, const char* sar) {
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    return std::vector<std::string>{
        "-f",
        "lavfi",
        "-i",
        "color=c=black:s=" + size + ":r=50:d=2",
        "-f",
        "lavfi",
        "-i",
        "color=c=white:s=" + std::to_string(width / 8) + "x" + std::to_string(height) + ":r=50:d=2",
        "-f",
        "lavfi",
        "-i",
        "sine=f=440:r=48000:d=2",
        "-filter_complex",
        "[0][1]overlay=x='mod(t*" + std::to_string(speed) + ",W-w)':y=0,tinterlace=mode=" +
            (top ? "interleave_top,setfield=tff" : "interleave_bottom,setfield=bff") +
            ",setsar=" + sar + "[v]",
        "-map",
        "[v]",
        "-map",
        "2:a"};
  };
  std::vector<std::string> a;
  switch (b) {
    case TBar::PalTff:  // a DVD camcorder: MPEG-2, top field first
      a = bar(720, 576, 600, true, "16/15");
      a.insert(a.end(),
               {"-c:v", "mpeg2video", "-flags", "+ildct+ilme", "-b:v", "8M", "-c:a", "mp2"});
      return ClipOnce("bar tff.mpg", a);
    case TBar::PalBff:  // a DV camcorder: bottom field first
      a = bar(720, 576, 600, false, "16/15");
      a.insert(a.end(), {"-c:v", "dvvideo", "-pix_fmt", "yuv420p", "-c:a", "pcm_s16le"});
      return ClipOnce("bar bff.avi", a);
    case TBar::HdTff:
      break;
  }
  a = bar(1920, 1080, 1200, true, "1");
  a.insert(a.end(), {"-c:v", "libx264", "-preset", "ultrafast", "-flags", "+ildct+ilme", "-b:v",
                     "8M", "-c:a", "ac3", "-f", "mpegts"});
  return ClipOnce("bar 1080i.m2ts", a);
}

struct TFieldCase {
  const char* Name;
  TBar From;
  std::string Options;
  const char* Extension;
  const char* Keeps;  // the field order MPEG-2 keeps, "" for a progressive output
};
void PrintTo(const TFieldCase& c, std::ostream* os) {
  *os << c.Name;
}

class Fields : public ::testing::TestWithParam<TFieldCase> {};

TEST_P(Fields, JoinedOrKeptInOrder) {
  const TFieldCase& c = GetParam();
  TTempDir dir;
  const std::string out = dir / (std::string("out") + c.Extension);
  TRunResult r = RunAvcore(BarSource(c.From), c.Options, out);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  const TProbe probe = Probe(out);
  const TProbeStream* v = probe.First("video");
  ASSERT_NE(v, nullptr);
  const TFieldCount fields = DetectFields(out);
  ASSERT_GT(fields.Total(), 0);
  const TBarEdges edges = BarEdges(out);
  // Unjoined fields show the bar a field's step apart: on neighbouring
  // lines (combs) or, once scaled, blended into grey edges that wide.
  const double step = FieldStep(c.From) * v->Width;
  EXPECT_LT(edges.Blend, step) << "double edges";
  if (*c.Keeps == '\0') {
    EXPECT_GE(fields.Progressive, fields.Total() * 9 / 10)
        << "TFF " << fields.Tff << " BFF " << fields.Bff << " of " << fields.Total();
    EXPECT_LT(edges.Comb, step / 4) << "combing";
    EXPECT_TRUE(v->FieldOrder.empty() || v->FieldOrder == "progressive")
        << "marked " << v->FieldOrder;
  } else {
    const bool top = std::string(c.Keeps) == "tt";
    EXPECT_GE(top ? fields.Tff : fields.Bff, fields.Total() * 9 / 10)
        << "TFF " << fields.Tff << " BFF " << fields.Bff << " of " << fields.Total();
    EXPECT_EQ(v->FieldOrder, c.Keeps);
  }
}

const TFieldCase kFields[] = {
    {"TffAvi", TBar::PalTff, kAvi, ".avi", ""},
    {"TffMov", TBar::PalTff, kMov, ".mov", ""},
    {"TffMp4", TBar::PalTff, kMp4, ".mp4", ""},
    {"TffTgp", TBar::PalTff, kTgp, ".3gp", ""},
    {"TffIpodItem", TBar::PalTff, Item("ipod_h264 Item1"), ".mp4", ""},
    {"TffTgpItem", TBar::PalTff, Item("3gpp_h263_amr Item1"), ".3gp", ""},
    {"TffVobKeeps", TBar::PalTff, kVob, ".vob", "tt"},
    {"TffPalDvdKeeps", TBar::PalTff, "-y -target pal-dvd -b 6000k", ".mpg", "tt"},
    {"TffNtscDvdChangesRate", TBar::PalTff, "-y -target ntsc-dvd -b 6000k", ".mpg", ""},
    {"BffVobKeeps", TBar::PalBff, kVob, ".vob", "bb"},
    {"BffAvi", TBar::PalBff, kAvi, ".avi", ""},
    {"HdAvi", TBar::HdTff, kAvi, ".avi", ""},
    {"HdMov", TBar::HdTff, kMov, ".mov", ""},
    {"HdVobScaled", TBar::HdTff, kVob, ".vob", ""},
};
INSTANTIATE_TEST_SUITE_P(Interlaced, Fields, ::testing::ValuesIn(kFields),
                         [](const ::testing::TestParamInfo<TFieldCase>& p) {
                           return std::string(p.param.Name);
                         });

}  // namespace
