// SPDX-License-Identifier: GPL-3.0-or-later
// Real camera pictures compress far worse than test patterns. Pictures as
// detailed as real footage go through every shipped RM profile and through
// the RM editor's largest frame at the ends of its bitrate and frame-rate
// ranges: the file is made, every picture fits a RealMedia packet, and the
// file decodes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "E2eSupport.h"
#include "app/GlobalVars.h"
#include "profiles/EncoderOptions.h"

namespace {

enum class TFootage { Pal, Hd };

// A test picture under strong grain that changes every frame.
const std::string& Footage(TFootage f) {
  const bool hd = f == TFootage::Hd;
  // Uncompressed: grain is slow to compress, and every test program makes its own.
  return ClipOnce(hd ? "grain720p.nut" : "grain576.nut",
                  {"-f", "lavfi", "-i",
                   std::string("testsrc2=s=") + (hd ? "1280x720" : "720x576") +
                       ":r=25:d=1,noise=alls=40:allf=t+u",
                   "-f", "lavfi", "-i", "sine=f=440:r=48000:d=1", "-c:v", "rawvideo", "-c:a",
                   "pcm_s16le", "-shortest"});
}

int LargestVideoPacket(const std::string& path) {
  TRunResult r =
      RunProgram("/usr/bin/ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries",
                                      "packet=size", "-of", "csv=p=0", "file:" + path});
  int most = 0;
  std::istringstream in(r.Out);
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) most = std::max(most, std::stoi(line));
  return most;
}

void ExpectRealMedia(TFootage footage, const std::string& options) {
  SCOPED_TRACE(options);
  TTempDir dir;
  const std::string out = dir / "out.rm";
  TRunResult r = RunAvcore(Footage(footage), options, out);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_TRUE(ReadConsole(r.Err).FailureLines.empty()) << r.Err;
  TProbe p = Probe(out);
  ASSERT_NE(p.First("video"), nullptr);
  EXPECT_LT(LargestVideoPacket(out), 65536);
  EXPECT_EQ(DecodeErrors(out), "");
}

// The options of every RM profile the program ships.
std::vector<std::string> ShippedRmOptions() {
  std::vector<std::string> options;
  const std::filesystem::path folder =
      std::filesystem::path(KINOVERT_PROGRAM_DIR) / "profile_en" / "rm";
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    ResetGlobalVars();
    GlobalVars.OutputFormat = ofRM;
    options.push_back(BuildEncoderOptions(e.path().string()));
  }
  ResetGlobalVars();
  return options;
}

TEST(RealFootage, ShippedRmProfiles) {
  std::vector<std::string> shipped = ShippedRmOptions();
  ASSERT_FALSE(shipped.empty());
  for (const std::string& options : shipped)
    for (TFootage f : {TFootage::Pal, TFootage::Hd}) ExpectRealMedia(f, options);
}

struct TEditorCase {
  const char* Name;
  TFootage From;
  const char* Options;
};

void PrintTo(const TEditorCase& c, std::ostream* os) {
  *os << c.Name;
}

class RmEditorsLargestFrame : public ::testing::TestWithParam<TEditorCase> {};

TEST_P(RmEditorsLargestFrame, FitsThePacketLimit) {
  ExpectRealMedia(GetParam().From, GetParam().Options);
}

// 720x576 is the largest size the RM editor lists; 64k and 9600k are the
// ends of its bitrate range, 10 and 60 the ends of its frame rates.
const TEditorCase kEditorCases[] = {
    {"Most", TFootage::Pal,
     "-y -f rm -vcodec rv10 -b 9600k -s 720x576 -r 25 -acodec ac3 -ac 2 -ar 48000 -ab 448"},
    {"Least", TFootage::Pal, "-y -f rm -vcodec rv10 -b 64k -s 720x576 -r 25 -an"},
    {"MostAtLowestRate", TFootage::Pal, "-y -f rm -vcodec rv10 -b 9600k -s 720x576 -r 10 -an"},
    {"MostAtHighestRate", TFootage::Pal, "-y -f rm -vcodec rv10 -b 9600k -s 720x576 -r 60 -an"},
    {"SameQuality", TFootage::Pal, "-y -f rm -sameq -vcodec rv10 -b 768k -s 720x576 -r 25 -an"},
    {"HdAtNtscRate", TFootage::Hd, "-y -f rm -vcodec rv10 -b 9600k -s 720x576 -r 14.985 -an"},
};
INSTANTIATE_TEST_SUITE_P(RealFootage, RmEditorsLargestFrame, ::testing::ValuesIn(kEditorCases),
                         [](const ::testing::TestParamInfo<TEditorCase>& p) {
                           return std::string(p.param.Name);
                         });

}  // namespace
