// SPDX-License-Identifier: GPL-3.0-or-later
// What the source holds decides what the translation asks of FFmpeg, and
// what the finished file holds decides whether the conversion succeeded.
#include "SourcePlan.h"

#include <gtest/gtest.h>

#include "AudioMix.h"
#include "OutputCheck.h"
#include "SourceInfo.h"
#include "Translate.h"

namespace {

// ffprobe's flat output for a camcorder's transport stream: the streams come
// twice, once inside their program.
const char* const kTransportStream = R"(programs.program.0.streams.stream.0.index=0
programs.program.0.streams.stream.0.codec_name="mpeg2video"
streams.stream.0.index=0
streams.stream.0.codec_name="h264"
streams.stream.0.codec_type="video"
streams.stream.0.pix_fmt="yuv420p"
streams.stream.0.width=1920
streams.stream.0.height=1080
streams.stream.0.sample_aspect_ratio="1:1"
streams.stream.0.field_order="tt"
streams.stream.0.r_frame_rate="25/1"
streams.stream.0.start_time="1.405333"
streams.stream.0.duration="3.000000"
streams.stream.0.nb_frames="N/A"
streams.stream.0.disposition.attached_pic=0
streams.stream.1.index=1
streams.stream.1.codec_name="ac3"
streams.stream.1.codec_type="audio"
streams.stream.1.sample_rate="48000"
streams.stream.1.channels=6
streams.stream.1.r_frame_rate="0/0"
streams.stream.1.start_time="1.400000"
streams.stream.1.duration="3.008000"
streams.stream.1.disposition.attached_pic=0
format.format_name="mpegts"
format.start_time="1.400000"
format.duration="3.008000"
)";

const char* const kSongWithCover = R"(streams.stream.0.index=0
streams.stream.0.codec_name="mp3"
streams.stream.0.codec_type="audio"
streams.stream.0.channels=2
streams.stream.0.duration="5.041633"
streams.stream.0.disposition.attached_pic=0
streams.stream.1.index=1
streams.stream.1.codec_name="mjpeg"
streams.stream.1.codec_type="video"
streams.stream.1.pix_fmt="yuvj420p"
streams.stream.1.width=300
streams.stream.1.height=300
streams.stream.1.r_frame_rate="90000/1"
streams.stream.1.disposition.attached_pic=1
format.format_name="mp3"
format.start_time="0.025056"
format.duration="5.041633"
)";

// Matroska keeps each stream's length as a tag.
const char* const kShortPictureMkv = R"(streams.stream.0.codec_type="video"
streams.stream.0.codec_name="ffv1"
streams.stream.0.pix_fmt="yuv420p"
streams.stream.0.field_order="progressive"
streams.stream.0.r_frame_rate="25/1"
streams.stream.0.duration="N/A"
streams.stream.0.tags.DURATION="00:00:03.000000000"
streams.stream.1.codec_type="audio"
streams.stream.1.channels=2
streams.stream.1.duration="N/A"
streams.stream.1.tags.DURATION="00:00:05.000000000"
format.format_name="matroska,webm"
format.start_time="0.000000"
format.duration="5.000000"
)";

const char* const kMuteClip = R"(streams.stream.0.codec_type="video"
streams.stream.0.codec_name="mpeg4"
streams.stream.0.pix_fmt="yuv420p"
streams.stream.0.field_order="progressive"
streams.stream.0.r_frame_rate="25/1"
streams.stream.0.duration="2.000000"
format.format_name="mov,mp4,m4a,3gp,3g2,mj2"
format.duration="2.000000"
)";

const char* const kStill = R"(streams.stream.0.codec_type="video"
streams.stream.0.codec_name="png"
streams.stream.0.pix_fmt="rgb24"
streams.stream.0.r_frame_rate="25/1"
format.format_name="png_pipe"
format.duration="N/A"
)";

const char* const kPalDvd = R"(streams.stream.0.codec_type="video"
streams.stream.0.codec_name="mpeg2video"
streams.stream.0.pix_fmt="yuv420p"
streams.stream.0.width=720
streams.stream.0.height=576
streams.stream.0.sample_aspect_ratio="16:15"
streams.stream.0.field_order="bb"
streams.stream.0.r_frame_rate="25/1"
streams.stream.0.duration="2.000000"
streams.stream.1.codec_type="audio"
streams.stream.1.channels=2
streams.stream.1.duration="2.000000"
format.format_name="mpeg"
format.duration="2.000000"
)";

TEST(SourceInfo, ReadsWhatFfprobeSays) {
  const TSourceInfo ts = ParseSourceProbe(kTransportStream);
  ASSERT_TRUE(ts.Known);
  ASSERT_EQ(ts.Streams.size(), 2u);
  const TSourceStream* v = ts.Video();
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->Codec, "h264");  // not the program's copy
  EXPECT_EQ(v->Width, 1920);
  EXPECT_DOUBLE_EQ(v->FrameRate, 25);
  EXPECT_TRUE(v->Interlaced());
  EXPECT_EQ(ts.Audio()->Channels, 6);
  EXPECT_NEAR(ts.EndOf(*v), 3.005333, 1e-6);
  EXPECT_FALSE(ts.SeeksByIndex());

  const TSourceInfo song = ParseSourceProbe(kSongWithCover);
  EXPECT_EQ(song.Video(), nullptr);
  ASSERT_NE(song.Cover(), nullptr);
  EXPECT_EQ(song.Cover()->Codec, "mjpeg");

  const TSourceInfo mkv = ParseSourceProbe(kShortPictureMkv);
  EXPECT_DOUBLE_EQ(mkv.EndOf(*mkv.Video(), false), 3);
  EXPECT_DOUBLE_EQ(mkv.EndOf(*mkv.Audio(), false), 5);
  EXPECT_TRUE(mkv.SeeksByIndex());
  EXPECT_FALSE(mkv.Video()->Interlaced());

  EXPECT_EQ(ParseSourceProbe(kStill).Pictures(), 1);
  EXPECT_EQ(ParseSourceProbe(kMuteClip).Pictures(), 50);
  EXPECT_FALSE(ParseSourceProbe("").Known);
  EXPECT_FALSE(ParseSourceProbe("no=probe\nstreams.stream.x.codec_type=\"video\"\n").Known);
}

TEST(SourcePlan, WhatTheSourceCallsFor) {
  struct TCase {
    const char* Name;
    const char* Probe;
    TWindowRequest Request;
    TSeek Seek;
    bool Cover, Carry, UntilSoundEnds, Silence, Deinterlace;
    int ExtraPictures;
  } cases[] = {
      {"transport stream window",
       kTransportStream,
       {true, true, "avi", 1500, 2000},
       TSeek::Decoded,
       false,
       false,
       false,
       false,
       true,
       0},
      {"mp4 window",
       kMuteClip,
       {true, true, "avi", 1500, 0},
       TSeek::Loose,
       false,
       false,
       false,
       false,
       false,
       0},
      {"sound only from a transport stream",
       kTransportStream,
       {false, true, "mp3", 1500, 0},
       TSeek::Exact,
       false,
       false,
       false,
       false,
       false,
       0},
      {"cover into a film",
       kSongWithCover,
       {true, true, "mov", 0, 0},
       TSeek::None,
       true,
       false,
       true,
       false,
       false,
       0},
      {"cover, window",
       kSongWithCover,
       {true, true, "avi", 1000, 0},
       TSeek::Decoded,
       true,
       false,
       true,
       false,
       false,
       0},
      {"cover, sound off",
       kSongWithCover,
       {true, false, "avi", 0, 0},
       TSeek::None,
       true,
       false,
       false,
       false,
       false,
       0},
      {"SWF, sound outlasts the picture",
       kShortPictureMkv,
       {true, true, "swf", 0, 0},
       TSeek::None,
       false,
       true,
       true,
       false,
       false,
       0},
      {"SWF, window",
       kShortPictureMkv,
       {true, true, "swf", 4000, 0},
       TSeek::Decoded,
       false,
       true,
       true,
       false,
       false,
       0},
      {"AVI keeps sound without picture",
       kShortPictureMkv,
       {true, true, "avi", 0, 0},
       TSeek::None,
       false,
       false,
       false,
       false,
       false,
       0},
      {"PSP without sound",
       kMuteClip,
       {true, true, "psp", 0, 0},
       TSeek::None,
       false,
       false,
       false,
       true,
       false,
       0},
      {"ASF of a still",
       kStill,
       {true, true, "asf", 0, 0},
       TSeek::None,
       false,
       false,
       false,
       false,
       false,
       2},
      {"DV-like MPEG-2",
       kPalDvd,
       {true, true, "vob", 0, 0},
       TSeek::None,
       false,
       false,
       false,
       false,
       true,
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TSourcePlan p = PlanForSource(ParseSourceProbe(c.Probe), c.Request);
    EXPECT_EQ(p.Seek, c.Seek);
    EXPECT_EQ(p.Cover, c.Cover);
    EXPECT_EQ(p.CarryPicture, c.Carry);
    EXPECT_EQ(p.UntilSoundEnds, c.UntilSoundEnds);
    EXPECT_EQ(p.Silence, c.Silence);
    EXPECT_EQ(p.Deinterlace, c.Deinterlace);
    EXPECT_EQ(p.ExtraPictures, c.ExtraPictures);
  }
  // Nothing known: the options alone decide, as before.
  TSourcePlan unknown = PlanForSource({}, {true, true, "avi", 1500, 0});
  EXPECT_EQ(unknown.Seek, TSeek::Exact);
  EXPECT_FALSE(unknown.Expect.Video || unknown.Expect.Audio);
}

TEST(SourcePlan, ExpectsWhatTheWindowHolds) {
  const TSourceInfo mkv = ParseSourceProbe(kShortPictureMkv);
  TOutputExpectation e = PlanForSource(mkv, {true, true, "avi", 1000, 0}).Expect;
  EXPECT_TRUE(e.Video && e.Audio);
  EXPECT_DOUBLE_EQ(e.VideoSeconds, 2);
  EXPECT_DOUBLE_EQ(e.AudioSeconds, 4);
  EXPECT_DOUBLE_EQ(e.Seconds, 4);
  // SWF carries the picture to the end of the sound.
  EXPECT_DOUBLE_EQ(PlanForSource(mkv, {true, true, "swf", 1000, 2000}).Expect.VideoSeconds, 2);
  EXPECT_DOUBLE_EQ(PlanForSource(mkv, {true, true, "swf", 0, 0}).Expect.VideoSeconds, 5);
  // A window past the picture's end wants no picture.
  EXPECT_FALSE(PlanForSource(mkv, {true, true, "avi", 4000, 0}).Expect.Video);
  // The PSP's silence is expected as long as the file.
  TOutputExpectation psp =
      PlanForSource(ParseSourceProbe(kMuteClip), {true, true, "psp", 0, 0}).Expect;
  EXPECT_TRUE(psp.Audio);
  EXPECT_DOUBLE_EQ(psp.AudioSeconds, 2);
}

TEST(OutputCheck, JudgesByWhatTheFileHolds) {
  auto listing = [](std::initializer_list<const char*> lines) {
    TPacketListing l;
    for (const char* line : lines) l.Line(line);
    return l.Streams();
  };
  const auto both =
      listing({"packet,0,0.000000,0.000000,0.040000", "packet,1,0.000000,0.000000,2.000000",
               "packet,0,4.960000,4.960000,0.040000", "packet,1,2.000000,2.000000,3.000000",
               "stream,0,video", "stream,1,audio"});
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[0].Type, "video");
  EXPECT_EQ(both[0].Packets, 2);
  EXPECT_DOUBLE_EQ(both[0].End, 5);
  // AVI video without timestamps: each packet after the last.
  const auto untimed =
      listing({"packet,0,N/A,N/A,0.040000", "packet,0,N/A,N/A,0.040000", "stream,0,video"});
  EXPECT_DOUBLE_EQ(untimed[0].End, 0.08);

  const auto soundOnly =
      listing({"packet,1,0.000000,0.000000,5.000000", "stream,0,video", "stream,1,audio"});
  const auto cutSound =
      listing({"packet,0,0.000000,0.000000,5.000000", "packet,1,0.000000,0.000000,2.950000",
               "stream,0,video", "stream,1,audio"});
  const auto nothing = listing({"stream,0,video", "stream,1,audio"});
  const TOutputExpectation film{true, true, 5, 5, 5};
  struct TCase {
    const char* Name;
    std::vector<TOutputStream> Streams;
    TOutputExpectation Expect;
    double Converted;
    bool Empty;
    const char* Problem;  // part of it, "" for none
  } cases[] = {
      {"all there", both, film, 5, false, ""},
      {"no picture", soundOnly, film, 5, false, "holds no video"},
      {"sound cut short", cutSound, film, 5, false, "the sound in"},
      {"source shorter than its header", cutSound, film, 2.96, false, ""},
      {"nothing at all", nothing, film, 5, true, ""},
      {"unknown lengths: the whole is judged",
       cutSound,
       {true, true, -1, -1, 9},
       9,
       false,
       "ends at 5.00 s"},
      {"no expectation", soundOnly, {}, 5, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TOutputVerdict v = CheckOutput(c.Streams, c.Expect, c.Converted, "in.mkv", "out.swf");
    EXPECT_EQ(v.Empty, c.Empty);
    if (*c.Problem == '\0')
      EXPECT_EQ(v.Problem, "");
    else
      EXPECT_NE(v.Problem.find(c.Problem), std::string::npos) << v.Problem;
  }
}

TEST(AudioMix, OneDownmixForEveryTarget) {
  const std::string stereo =
      "aresample=ochl=stereo:clev=0.7071:slev=0.7071:lfe_mix_level=0:rematrix_maxval=1";
  const std::string mono = "aresample=ochl=mono:rematrix_maxval=1";
  struct TCase {
    int From, To;
    std::vector<std::string> Filters;
  } cases[] = {
      {6, 2, {stereo}}, {6, 1, {stereo, mono}},
      {2, 1, {mono}},   {2, 2, {}},
      {1, 2, {}},       {6, 6, {}},
      {6, 0, {}},       {0, 2, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(DownmixFilters(c.From, c.To), c.Filters) << c.From << c.To;
}

// The arguments of a translation, joined with blanks.
std::string Args(const std::string& options, const std::string& output, const char* probe) {
  std::vector<std::string> args = {"-p", "5310746", "-i", "in"};
  std::string w;
  for (char ch : options + " ") {
    if (ch != ' ') {
      w += ch;
    } else if (!w.empty()) {
      args.push_back(w);
      w.clear();
    }
  }
  args.push_back(output);
  TTranslation t = TranslateCommand(ParseLegacyCommand(args), "in", ParseSourceProbe(probe));
  EXPECT_EQ(t.Error, "");
  std::string s;
  for (const std::string& a : t.Args) (s += s.empty() ? "" : " ") += a;
  return s;
}

bool Has(const std::string& s, const std::string& part) {
  return s.find(part) != std::string::npos;
}

TEST(Translate, TheSourceShapesTheArguments) {
  const char* avi =
      "-y -f avi -t 0:00:02.000 -ss 0:00:01.500 -vcodec msmpeg4 -b 1080k -r 25 "
      "-acodec mp3 -ac 2 -ab 96 -ar 22050";
  // A transport stream is decoded from its start and cut in the filters.
  std::string ts = Args(avi, "o.avi", kTransportStream);
  EXPECT_FALSE(Has(ts, "-ss")) << ts;
  EXPECT_TRUE(Has(ts,
                  "bwdif=mode=send_frame:parity=auto:deint=interlaced,setpts=PTS-1.500/TB,"
                  "fps=25:start_time=0"))
      << ts;
  EXPECT_TRUE(Has(ts, "-af aresample=ochl=stereo")) << ts;
  EXPECT_TRUE(Has(ts, "asetpts=PTS-1.500/TB,aresample=22050:first_pts=0")) << ts;
  // An indexed container seeks, and the filters start at the start's picture.
  std::string mp4 = Args(avi, "o.avi", kMuteClip);
  EXPECT_TRUE(Has(mp4, "-ss 0:00:01.500 -noaccurate_seek -i file:in")) << mp4;
  EXPECT_TRUE(Has(mp4, "-vf fps=25:start_time=0")) << mp4;
  // A cover is a still of the sound's length, not a cover any more.
  std::string cover =
      Args("-y -f mov -vcodec h264 -b 1200k -r 25 -ac 2 -ab 64 -ar 22050", "o.mov", kSongWithCover);
  EXPECT_TRUE(Has(cover, "loop=loop=-1:size=1,setpts=N/(25)/TB,trim=end=5.041633")) << cover;
  EXPECT_TRUE(Has(cover, "-disposition:v:0 0 -shortest")) << cover;
  // MPEG-2 at the source's size and rate keeps the fields.
  std::string vob = Args(
      "-y -f vob -vcodec mpeg2video -s 720x576 -b 6000k -r 25 -aspect 5:4 -acodec ac3 -ac 2 -ar "
      "48000 -ab 384",
      "o.vob", kPalDvd);
  EXPECT_FALSE(Has(vob, "bwdif")) << vob;
  EXPECT_TRUE(Has(vob, "-flags +ildct+ilme")) << vob;
  // The PSP gets silence as long as the picture.
  std::string psp =
      Args("-y -f psp -vcodec h264 -s 480x272 -b 768k -r 29.97 -acodec aac -ac 2 -ab 128 -ar 48000",
           "o.mp4", kMuteClip);
  EXPECT_TRUE(Has(psp, "-f lavfi -t 2.000000 -i anullsrc=r=48000:cl=stereo -map 0:v:0 -map 1:a:0"))
      << psp;
  // The last picture of a still is repeated so ASF readers find its rate.
  std::string still = Args("-y -f asf -vcodec msmpeg4 -b 768k -r 25 -an", "o.asf", kStill);
  EXPECT_TRUE(Has(still, "tpad=stop=2:stop_mode=clone")) << still;
  // Sound asked of a source without any.
  std::vector<std::string> args = {"-p", "5310746", "-i", "in", "-y", "-f", "mp3", "-vn", "o.mp3"};
  EXPECT_EQ(TranslateCommand(ParseLegacyCommand(args), "in", ParseSourceProbe(kMuteClip)).Error,
            "it has no sound to convert");
}

}  // namespace
