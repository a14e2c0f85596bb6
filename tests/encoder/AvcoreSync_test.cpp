// SPDX-License-Identifier: GPL-3.0-or-later
// Picture and sound stay together: a clip flashes white and beeps at the
// same moment, and after the conversion the flash and the beep still play
// within one frame of each other, for every container, after frame-rate
// changes, and when the source's sound starts half a second after its picture.
#include <gtest/gtest.h>

#include <cmath>

#include "E2eSupport.h"

namespace {

enum class TSource { At30, At25, At60, LateSound30, At25Ts };

// 2 s at `rate`: black, white from 1.0 s to 1.1 s; stereo 48 kHz silence with
// a beep from 1.0 s to 1.1 s. The late variant starts its sound at 0.5 s.
const std::string& Source(TSource s) {
  auto picture = [](int rate) {
    return "color=c=black:s=160x120:r=" + std::to_string(rate) +
           ":d=2,geq=lum='if(between(T,0.9999,1.0999),235,16)':cb=128:cr=128";
  };
  auto beep = [](double at, double length) {
    std::string tone = "if(between(t," + std::to_string(at) + "," + std::to_string(at + 0.1) +
                       "),0.5*sin(2*PI*1000*t),0)";
    return "aevalsrc='" + tone + "|" + tone + "':s=48000:d=" + std::to_string(length);
  };
  switch (s) {
    case TSource::At30:
      return ClipOnce("sync30.mkv", {"-f", "lavfi", "-i", picture(30), "-f", "lavfi", "-i",
                                     beep(1, 2), "-c:v", "ffv1", "-c:a", "pcm_s16le"});
    case TSource::At25:
      return ClipOnce("sync25.mkv", {"-f", "lavfi", "-i", picture(25), "-f", "lavfi", "-i",
                                     beep(1, 2), "-c:v", "ffv1", "-c:a", "pcm_s16le"});
    case TSource::At60:
      return ClipOnce("sync60.mkv", {"-f", "lavfi", "-i", picture(60), "-f", "lavfi", "-i",
                                     beep(1, 2), "-c:v", "ffv1", "-c:a", "pcm_s16le"});
    case TSource::At25Ts:  // a transport stream, as a TV card or camcorder writes it
      return ClipOnce("sync25.ts", {"-f", "lavfi", "-i", picture(25), "-f", "lavfi", "-i",
                                    beep(1, 2), "-c:v", "mpeg2video", "-q:v", "2", "-c:a", "mp2"});
    case TSource::LateSound30:
      break;
  }
  return ClipOnce("late30.mkv",
                  {"-f", "lavfi", "-i", picture(30), "-itsoffset", "0.5", "-f", "lavfi", "-i",
                   beep(0.5, 1.5), "-c:v", "ffv1", "-c:a", "pcm_s16le"});
}

struct TCase {
  const char* Name;
  TSource From;
  const char* Options;
  const char* Extension;
};

void PrintTo(const TCase& c, std::ostream* os) {
  *os << c.Name;
}

class Sync : public ::testing::TestWithParam<TCase> {};

TEST_P(Sync, FlashAndBeepWithinOneFrame) {
  const TCase& c = GetParam();
  // The sources themselves are in sync.
  TFlashAndBeep in = FindFlashAndBeep(Source(c.From));
  ASSERT_NEAR(in.Beep - in.Flash, 0, 0.002);

  TTempDir dir;
  const std::string out = dir / (std::string("out") + c.Extension);
  TRunResult r = RunAvcore(Source(c.From), c.Options, out);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  const TProbe probe = Probe(out);
  const TProbeStream* v = probe.First("video");
  ASSERT_NE(v, nullptr);
  ASSERT_GT(v->FrameRate, 0);
  TFlashAndBeep got = FindFlashAndBeep(out);
  ASSERT_GE(got.Flash, 0) << "no flash in " << out;
  ASSERT_GE(got.Beep, 0) << "no beep in " << out;
  EXPECT_LE(std::fabs(got.Beep - got.Flash), 1 / v->FrameRate)
      << "flash at " << got.Flash << " s, beep at " << got.Beep << " s";
}

using S = TSource;

// The builder's defaults of every video container, the device presets'
// items and the MPEG disc presets, from sources at other rates.
const TCase kCases[] = {
    {"Avi30To25", S::At30,
     "-y -f avi -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 -ab 96 -ar 22050", ".avi"},
    {"AviLateSound", S::LateSound30,
     "-y -f avi -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 -ab 96 -ar 22050", ".avi"},
    {"AviH264Mp2", S::At30,
     "-y -f avi -vcodec h264 -b 1080k -r 25 -acodec mp2 -ac 2 -ab 96 -ar 22050", ".avi"},
    {"AviXvidAc3Late", S::LateSound30,
     "-y -f avi -vcodec xvid -b 1080k -r 25 -acodec ac3 -ac 2 -ar 48000 -ab 192", ".avi"},
    {"Rm30To25", S::At30, "-y -f rm -b 768k -vcodec rv10 -r 25 -acodec ac3 -ac 2 -ar 48000 -ab 256",
     ".rm"},
    {"RmLateSound", S::LateSound30,
     "-y -f rm -b 768k -vcodec rv10 -r 25 -acodec ac3 -ac 2 -ar 48000 -ab 256", ".rm"},
    {"Swf30To25", S::At30, "-y -vcodec flv -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050", ".swf"},
    {"SwfLateSound", S::LateSound30, "-y -vcodec flv -b 768k -r 15 -acodec mp3 -ac 1 -ar 11025",
     ".swf"},
    {"Mp430To25", S::At30,
     "-y -f mp4 -vcodec h264 -s 320x240 -b 1200k -r 25 -acodec aac -ac 2 -ab 64 -ar 22050", ".mp4"},
    {"Mov60To2997", S::At60, "-y -f mov -vcodec h264 -b 1200k -r 29.97 -ac 2 -ab 64 -ar 22050",
     ".mov"},
    {"Wmv30To25Late", S::LateSound30, "-y -vcodec wmv2 -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050",
     ".wmv"},
    {"Asf30To25", S::At30,
     "-y -f asf -vcodec msmpeg4 -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050 -ab 64", ".asf"},
    {"Mpeg60To2997", S::At60,
     "-y -vcodec mpeg2video -b 2496k -r 29.97 -acodec ac3 -ac 2 -ar 48000 -ab 256", ".mpg"},
    {"Vob30To25Late", S::LateSound30,
     "-y -f vob -vcodec mpeg2video -s 720x576 -b 6000k -r 25 -aspect 4:3 -acodec mp2 -ac 2 -ab 192 "
     "-ar 48000",
     ".vob"},
    {"PalDvdFrom30", S::At30, "-y -target pal-dvd -b 6000k -aspect 4:3 -ab 384", ".mpg"},
    {"NtscVcdFrom25", S::At25, "-y -target ntsc-vcd", ".mpg"},
    {"Tgp25To12p5", S::At25,
     "-y -f 3gp -vcodec h263 -s 176x144 -b 144k -r 12.5 -aspect 11:9 -acodec amr_nb -ac 1 -ar 8000 "
     "-ab 13",
     ".3gp"},
    {"TgpH263Item30To15", S::At30,
     "-y -f 3gp -vcodec h263 -s 176x144 -b 128k -r 15 -acodec amr_nb -ac 1 -ar 8000 -ab 12",
     ".3gp"},
    {"TgpMpeg4Item30To15Late", S::LateSound30,
     "-y -f 3gp -vcodec msmpeg4 -s 176x144 -b 192k -r 15 -acodec aac -ac 1 -ab 32 -ar 22050",
     ".3gp"},
    {"Tg2Item30To15", S::At30,
     "-y -f 3g2 -vcodec msmpeg4 -s 176x144 -b 192k -r 15 -acodec aac -ac 1 -ab 32 -ar 22050",
     ".3g2"},
    {"PspItem25To2997", S::At25,
     "-y -f psp -vcodec h264 -s 480x272 -b 768k -r 29.97 -acodec aac -ac 2 -ab 128 -ar 48000",
     ".mp4"},
    // Time windows: a seek into an indexed file, and a transport stream cut
    // after decoding.
    {"AviWindow30To25", S::At30,
     "-y -f avi  -t 0:00:01.200 -ss 0:00:00.330 -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 "
     "-ab 96 -ar 22050",
     ".avi"},
    {"MovWindowLate", S::LateSound30,
     "-y -f mov  -t 0:00:01.200 -ss 0:00:00.700 -vcodec h264 -b 1200k -r 25 -ac 2 -ab 64 -ar 22050",
     ".mov"},
    {"AviWindowFromTs", S::At25Ts,
     "-y -f avi  -t 0:00:01.200 -ss 0:00:00.330 -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 "
     "-ab 96 -ar 22050",
     ".avi"},
    {"MpegWindowFromTs", S::At25Ts,
     " -t 0:00:01.200 -ss 0:00:00.330 -y -vcodec mpeg2video -b 2496k -r 29.97 -acodec ac3 -ac 2 "
     "-ar 48000 -ab 256",
     ".mpg"},
    {"IpodItem30To25Late", S::LateSound30,
     "-y -f ipod -vcodec h264 -s 320x240 -b 768k -r 25 -acodec aac -ac 2 -ab 128 -ar 44100",
     ".mp4"},
};
INSTANTIATE_TEST_SUITE_P(Targets, Sync, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TCase>& p) {
                           return std::string(p.param.Name);
                         });

}  // namespace
