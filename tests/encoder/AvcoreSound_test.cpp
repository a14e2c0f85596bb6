// SPDX-License-Identifier: GPL-3.0-or-later
// Sound as people have it: 5.1 films mixed down to the same level in every
// target and never past full scale, clips without sound for a device that
// needs some, and sound that ends where the source's ends.
#include <gtest/gtest.h>

#include <cmath>

#include "E2eSupport.h"
#include "MediaMeasure.h"
#include "TargetOptions.h"

namespace {

// A voice: a 150 Hz buzz with its harmonics, in syllables four times a second.
const char* const kVoice =
    "(0.6*sin(2*PI*150*t)+0.3*sin(2*PI*300*t)+0.2*sin(2*PI*450*t)+0.1*sin(2*PI*600*t))*"
    "(0.55+0.45*sin(2*PI*4*t))";

// 5.1 AC-3 as films have it, with a small picture: `channels` are the six
// expressions in the order FL FR FC LFE BL BR.
const std::string& Surround(const std::string& name, const std::string& channels) {
  return ClipOnce(name, {"-f", "lavfi", "-i", "testsrc2=s=160x120:r=25:d=2", "-f", "lavfi", "-i",
                         "aevalsrc='" + channels + "':s=48000:d=2:c=5.1", "-c:v", "ffv1", "-c:a",
                         "ac3", "-b:a", "448k"});
}

// Dialogue alone, in the centre.
const std::string& CentreOnly() {
  return Surround("centre.mkv", "0|0|0.5*" + std::string(kVoice) + "|0|0|0");
}

// A loud film: every channel near full scale, the voice loudest.
const std::string& Loud() {
  return Surround("loud.mkv", "0.9*sin(2*PI*500*t)|0.9*sin(2*PI*600*t)|0.75*" +
                                  std::string(kVoice) +
                                  "|0.9*sin(2*PI*60*t)|0.9*sin(2*PI*700*t)|0.9*sin(2*PI*800*t)");
}

// The centre as the mix must give it: on both sides at 0.7071 / 2.4142.
const std::string& IdealMix() {
  const std::string side = "0.1464*" + std::string(kVoice);
  return ClipOnce("ideal mix.mkv",
                  {"-f", "lavfi", "-i", "testsrc2=s=160x120:r=25:d=2", "-f", "lavfi", "-i",
                   "aevalsrc='" + side + "|" + side + "':s=48000:d=2", "-c:v", "ffv1", "-c:a",
                   "ac3", "-b:a", "448k"});
}

struct TMixCase {
  std::string Name, Options, Extension;
  double Tolerance = 1;  // dB; AMR's speech coder moves a level by itself
};
void PrintTo(const TMixCase& c, std::ostream* os) {
  *os << c.Name;
}

class Downmix : public ::testing::TestWithParam<TMixCase> {};

// The centre goes into both sides at -3 dB and the whole mix is scaled so
// that full-scale channels cannot add up past full scale: left = (L + 0.7071
// C + 0.7071 Ls) / 2.4142. Mono is the mean of left and right.
TEST_P(Downmix, OneLevelForTheCentreAndNoClipping) {
  const TMixCase& c = GetParam();
  // The target's coder may change a level by itself (AMR does): the
  // measure is the same conversion of a stereo file that holds the mix.
  TTempDir dir;
  const std::string ideal = dir / ("ideal" + c.Extension);
  TRunResult r = RunAvcore(IdealMix(), c.Options, ideal);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  const std::string out = dir / ("centre" + c.Extension);
  r = RunAvcore(CentreOnly(), c.Options, out);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_NEAR(SoundLevel(out).MeanDb, SoundLevel(ideal).MeanDb, c.Tolerance)
      << "the centre's level";

  const std::string loud = dir / ("loud" + c.Extension);
  r = RunAvcore(Loud(), c.Options, loud);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  const TSoundLevel level = SoundLevel(loud);
  ASSERT_GT(level.Samples, 0);
  EXPECT_LT(level.OverFullScale, 0.001) << "samples beyond full scale";
}

const TMixCase kMixes[] = {
    {"Wav", "-y -f wav -vn -acodec pcm_s16le -ac 2 -ar 44100", ".wav"},
    {"Mp2", "-y -f mp2 -vn -acodec mp2 -ac 2 -ab 160 -ar 44100", ".mp2"},
    {"Mp3", "-y -f mp3 -vn -acodec mp3 -ac 2 -ab 128 -ar 44100", ".mp3"},
    {"Aac", "-y -f aac -vn -acodec aac -ac 2 -ab 128 -ar 44100", ".aac"},
    {"Ac3", "-y -f ac3 -vn -acodec ac3 -ac 2 -ar 48000 -ab 384", ".ac3"},
    {"WavMono", "-y -f wav -vn -acodec pcm_u8 -ac 1 -ar 8000", ".wav"},
    {"Amr", "-y -f amr -vn -acodec amr_nb -ac 1 -ar 8000 -ab 13", ".amr", 2},
    {"Mpeg", "-y -vcodec mpeg1video -b 1152k -r 25 -acodec mp2 -ac 2 -ab 224 -ar 44100", ".mpg"},
    {"Mov", kMov, ".mov"},
    {"Avi", kAvi, ".avi"},
    {"TgpMonoAacItem", Item("3gpp_mpeg4_aac Item1"), ".3gp"},
};
INSTANTIATE_TEST_SUITE_P(Targets, Downmix, ::testing::ValuesIn(kMixes),
                         [](const ::testing::TestParamInfo<TMixCase>& p) { return p.param.Name; });

// A clip without sound for the PSP, which plays nothing without a sound
// track: it gets silence as long as its picture.
TEST(DeviceSound, PspItemsGetSilenceForAClipWithout) {
  const std::string& mute = ClipPath(TClip::Video169);
  int items = 0;
  for (const TDeviceItem& item : DeviceItems()) {
    if (item.Name.rfind("psp", 0) != 0) continue;
    ++items;
    SCOPED_TRACE(item.Name);
    TTempDir dir;
    const std::string out = dir / ("out" + item.Extension);
    TRunResult r = RunAvcore(mute, item.Options, out);
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    const TSpans spans = Spans(out);
    ASSERT_NE(spans.Of("audio"), nullptr) << "no sound track";
    EXPECT_NEAR(spans.Length("audio"), spans.Length("video"), 0.15);
    EXPECT_LT(SoundLevel(out).MeanDb, -80);
  }
  EXPECT_EQ(items, 4);
}

// ASF cannot mark the coder's first samples as such: they made the whole
// file start late and the sound run past the source's end.
TEST(AsfSound, EndsWithTheSource) {
  const std::string& source = ClipPath(TClip::Video43);
  const double end = Spans(source).Length("audio");
  for (const char* options : {kWmv, kAsf}) {
    SCOPED_TRACE(options);
    TTempDir dir;
    const std::string out = dir / (std::string(options) == kWmv ? "out.wmv" : "out.asf");
    TRunResult r = RunAvcore(source, options, out);
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    const TSpans spans = Spans(out);
    ASSERT_NE(spans.Of("video"), nullptr);
    EXPECT_LT(spans.Of("video")->First - spans.Start, 0.01) << "the picture starts late";
    // Within the last MP3 frame (1152 samples at 22050 Hz).
    EXPECT_LT(spans.Length("audio") - end, 0.052) << "the sound runs past the source's end";
  }
}

// Sound asked of a video without any: the message says so.
TEST(NoSound, AudioTargetsSayTheSourceHasNone) {
  const std::string& mute = ClipPath(TClip::Video169);
  for (const auto& [options, extension] :
       {std::pair{"-y -f mp3 -vn -acodec mp3 -ac 2 -ab 128 -ar 44100", ".mp3"},
        {"-y -f wav -vn -acodec pcm_s16le -ac 2 -ar 44100", ".wav"},
        {"-y -f aac -vn -acodec aac -ac 2 -ab 128 -ar 44100", ".aac"},
        {"-y -f amr -vn -acodec amr_nb -ac 1 -ar 8000 -ab 13", ".amr"}}) {
    SCOPED_TRACE(options);
    TTempDir dir;
    const std::string out = dir / (std::string("out") + extension);
    TRunResult r = RunAvcore(mute, options, out);
    EXPECT_NE(r.ExitCode, 0);
    TConsoleReading c = ReadConsole(r.Err);
    ASSERT_FALSE(c.FailureLines.empty()) << r.Err;
    EXPECT_NE(c.FailureLines.front().find("has no sound"), std::string::npos) << r.Err;
    EXPECT_EQ(c.FailureLines.front().find("no audio or video"), std::string::npos) << r.Err;
    EXPECT_FALSE(FileExists(out));
  }
}

}  // namespace
