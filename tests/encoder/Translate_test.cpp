// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translate.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string w;
  // Keep empty words: the batch's double blanks must not disturb anything.
  std::istringstream in(text);
  while (std::getline(in, w, ' ')) words.push_back(w);
  return words;
}

TTranslation Translate(const std::string& options, const std::string& output) {
  std::vector<std::string> args = {"-p", "5310746", "-i", "in.avi"};
  for (const std::string& w : Words(options)) args.push_back(w);
  args.push_back(output);
  TLegacyCommand cmd = ParseLegacyCommand(args);
  EXPECT_EQ(cmd.Error, "") << options;
  return TranslateCommand(cmd, "in.avi");
}

// The filters of a chain: split at the commas outside quotes and brackets.
std::vector<std::string> Filters(const std::string& chain) {
  std::vector<std::string> filters(1);
  int depth = 0;
  bool quoted = false;
  for (char c : chain) {
    if (c == '\'') quoted = !quoted;
    if (!quoted && c == '(') ++depth;
    if (!quoted && c == ')') --depth;
    if (c == ',' && depth == 0 && !quoted)
      filters.emplace_back();
    else
      filters.back() += c;
  }
  return filters;
}

// The arguments, each filter shortened to its name (a frame rate filter
// keeps its rate): the end-to-end tests measure what the filters do to the
// picture and the sound.
std::string Joined(const std::vector<std::string>& args) {
  std::string s;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string a = args[i];
    if (i > 0 && (args[i - 1] == "-vf" || args[i - 1] == "-af")) {
      std::string names;
      for (const std::string& f : Filters(a)) {
        std::string name = f.substr(0, f.find('='));
        if (name == "fps" && f != "fps=25") name = f;
        (names += names.empty() ? "" : ",") += name;
      }
      a = names;
    }
    s += (s.empty() ? "" : " ") + a;
  }
  return s;
}

}  // namespace

TEST(Translate, OldOptionsBecomeTodaysArguments) {
  struct TCase {
    std::string Options, Output, Expected;
  } cases[] = {
      // Defaults of the builder: rates by a filter, sound held in sync; AVI
      // counts samples, so the coder's delay is trimmed off.
      {"-y -f avi -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 -ab 96 -ar 22050 ", "o.avi",
       "-y -i file:in.avi -f avi -c:v msmpeg4 -vf fps -b:v 1080k -c:a libmp3lame -ac 2 -ar 22050 "
       "-af aresample,atrim -b:a 96k file:o.avi"},
      // A fixed frame is letterboxed and marked with its shape.
      {"-y -f 3gp -vcodec h263 -s 176x144 -b 144k -r 12.5 -aspect 11:9 -acodec amr_nb -ac 1 -ar "
       "8000 -ab 13 ",
       "o.3gp",
       "-y -i file:in.avi -f 3gp -c:v h263 -vf fps=12.5,scale,pad -aspect 11:9 -b:v 144k -c:a "
       "libopencore_amrnb -ac 1 "
       "-ar 8000 -af aresample -b:a 12.2k file:o.3gp"},
      {"-y -f aac -vn -acodec aac -ac 2 -ab 128 -ar 44100 ", "o.aac",
       "-y -i file:in.avi -f adts -vn -c:a aac -ac 2 -ar 44100 -b:a 128k file:o.aac"},
      // ASF cannot say the first samples are the coder's: they are trimmed as in AVI.
      {"-y -vcodec wmv2 -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050 ", "o.wmv",
       "-y -i file:in.avi -c:v wmv2 -vf fps,scale -b:v 768k -c:a libmp3lame -ac 2 -ar 22050 -af "
       "aresample,atrim file:o.wmv"},
      // Time window: the start seeks the input; a zero start or duration means none.
      {"-y -f avi  -t 0:01:00.000 -ss 0:00:10.000 -vcodec msmpeg4 -b 1080k -r 25 -an ", "o.avi",
       "-y -ss 0:00:10.000 -i file:in.avi -t 0:01:00.000 -f avi -c:v msmpeg4 -vf fps -b:v 1080k "
       "-an file:o.avi"},
      {"-y -f mp3  -t 0:00:00.000 -ss 0:00:00.000 -vn -acodec mp3 -ac 2 -ab 128 -ar 44100 ",
       "o.mp3",
       "-y -i file:in.avi -f mp3 -vn -c:a libmp3lame -ac 2 -ar 44100 -b:a 128k file:o.mp3"},
      // Codec names, same quality, exact NTSC rates.
      {"-y -f mp4 -sameq -vcodec msmpeg4 -s 320x240 -b 1200k -r 29.97 -acodec aac -ac 2 -ab 64 -ar "
       "22050 ",
       "o.mp4",
       "-y -i file:in.avi -f mp4 -c:v mpeg4 -vf fps=30000/1001,scale,pad -aspect 4:3 -q:v 2 -c:a "
       "aac -ac 2 -ar 22050 "
       "-af aresample -b:a 64k file:o.mp4"},
      {"-y -f mov -sameq -vcodec h264 -b 1200k -r 23.976 -ac 2 -ab 64 -ar 22050 ", "o.mov",
       "-y -i file:in.avi -f mov -c:v libx264 -pix_fmt yuv420p -vf fps=24000/1001,scale -crf 18 "
       "-c:a aac -ac 2 "
       "-ar 22050 -af aresample -b:a 64k file:o.mov"},
      {"-y -f avi -vcodec ffvhuff -strict -2 -b 1080k -r 19.98 -acodec pcm_u8 -ac 1 -ar 11025 ",
       "o.avi",
       "-y -i file:in.avi -f avi -c:v ffvhuff -vf fps=20000/1001,scale -b:v 1080k -c:a pcm_u8 -ac "
       "1 -ar 11025 "
       "-af aresample -strict -2 file:o.avi"},
      // H.264 in AVI without reordered frames; on the iPod and the PSP at a
      // profile and level they play.
      {"-y -f avi -vcodec h264 -b 1080k -r 25 -an ", "o.avi",
       "-y -i file:in.avi -f avi -c:v libx264 -pix_fmt yuv420p -vf fps,scale -b:v 1080k -bf 0 -an "
       "file:o.avi"},
      {"-y -f ipod -vcodec h264 -s 320x240 -b 768k -r 25 -an ", "o.mp4",
       "-y -i file:in.avi -f ipod -c:v libx264 -pix_fmt yuv420p -vf fps,scale,pad -aspect 4:3 -b:v "
       "768k "
       "-profile:v baseline -level:v 1.3 -maxrate 768k -bufsize 2000k -an file:o.mp4"},
      {"-y -f ipod -vcodec h264 -s 640x480 -b 1500k -r 25 -an ", "o.mp4",
       "-y -i file:in.avi -f ipod -c:v libx264 -pix_fmt yuv420p -vf fps,scale,pad -aspect 4:3 -b:v "
       "1500k "
       "-profile:v baseline -level:v 3.0 -maxrate 10000k -bufsize 10000k -an file:o.mp4"},
      {"-y -f psp -vcodec h264 -s 480x272 -b 768k -r 29.97 -acodec aac -ac 2 -ab 128 -ar 48000 ",
       "o.mp4",
       "-y -i file:in.avi -f psp -c:v libx264 -pix_fmt yuv420p -vf fps=30000/1001,scale,pad "
       "-aspect 30:17 -b:v 768k "
       "-profile:v main -level:v 3.0 -maxrate 10000k -bufsize 10000k -b-pyramid none -c:a aac -ac "
       "2 -ar 48000 "
       "-af aresample -b:a 128k file:o.mp4"},
      // Values the encoders refuse are moved to the nearest they take.
      {"-y -f avi -vcodec h263 -s 320x240 -b 1080k -r 25 -an ", "o.avi",
       "-y -i file:in.avi -f avi -c:v h263 -vf fps,scale,pad -aspect 4:3 -b:v 1080k -an "
       "file:o.avi"},
      {"-y -vcodec mpeg1video -b 1152k -r 12.5 -acodec mp2 -ac 2 -ab 160 -ar 44100 ", "o.mpg",
       "-y -i file:in.avi -c:v mpeg1video -vf fps=24000/1001 -b:v 1152k -c:a mp2 -ac 2 -ar 44100 "
       "-af aresample "
       "-b:a 160k file:o.mpg"},
      {"-y -vcodec flv -b 768k -r 25 -acodec mp3 -ac 2 -ar 48000 ", "o.swf",
       "-y -i file:in.avi -c:v flv -vf fps,scale -b:v 768k -c:a libmp3lame -ac 2 -ar 44100 -af "
       "aresample,atrim "
       "file:o.swf"},
      {"-y -vcodec flv -b 768k -acodec mp3 -ac 2 ", "o.swf",
       "-y -i file:in.avi -c:v flv -vf scale -b:v 768k -c:a libmp3lame -ac 2 -af aresample,aformat "
       "file:o.swf"},
      {"-y -f mp2 -vn -acodec mp2 -ac 5:1 -ab 384 -ar 11025 ", "o.mp2",
       "-y -i file:in.avi -f mp2 -vn -c:a mp2 -ac 2 -ar 16000 -b:a 160k file:o.mp2"},
      {"-y -f ac3 -vn -acodec ac3 -ab 256 -ac 5:1 -ar 48000 ", "o.ac3",
       "-y -i file:in.avi -f ac3 -vn -c:a ac3 -ac 6 -ar 48000 -b:a 256k file:o.ac3"},
      {"-y -f amr -vn -acodec amr_wb -ac 1 -ar 16000 -ab 24 ", "o.amr",
       "-y -i file:in.avi -f amr -vn -c:a libvo_amrwbenc -ac 1 -ar 16000 -b:a 23.85k file:o.amr"},
      // RealMedia: square pixels on its 16-pixel grid (cut a little or
      // padded, never stretched), the picture cap, and a bitrate the cap allows.
      {"-y -f rm -b 768k -vcodec rv10 -r 25 -acodec ac3 -ac 2 -ar 22050 -ab 250 ", "o.rm",
       "-y -i file:in.avi -f rm -c:v rv10 -vf fps,scale,crop,pad -b:v 768k -maxrate 10000k -bufsize 400k "
       "-c:a ac3 -ac 2 "
       "-ar 32000 -af aresample -b:a 256k file:o.rm"},
      {"-y -f rm -b 9600k -vcodec rv10 -r 10 -an ", "o.rm",
       "-y -i file:in.avi -f rm -c:v rv10 -vf fps=10,scale,crop,pad -b:v 3600k -maxrate 4000k -bufsize 400k "
       "-an file:o.rm"},
      // MPEG targets keep their own codecs; explicit bitrates override theirs.
      {"-target pal-dvd -b 6000k -aspect 4:3 -ab 384 ", "o.mpg",
       "-i file:in.avi -target pal-dvd -vf fps,scale,pad -aspect 4:3 -b:v 6000k -af aresample -b:a "
       "384k file:o.mpg"},
      {" -t 0:00:30.000 -ss 0:01:00.000 -target ntsc-vcd ", "o.mpg",
       "-ss 0:01:00.000 -i file:in.avi -t 0:00:30.000 -target ntsc-vcd -vf "
       "fps=30000/1001,scale,pad -aspect 4:3 "
       "-af aresample file:o.mpg"},
  };
  for (const auto& c : cases) {
    TTranslation t = Translate(c.Options, c.Output);
    EXPECT_EQ(t.Error, "") << c.Options;
    EXPECT_EQ(Joined(t.Args), c.Expected) << c.Options;
  }
}

TEST(Translate, SnappingIsReported) {
  TTranslation t = Translate("-y -f 3gp -vcodec h263 -s 320x240 -acodec amr_nb -ab 13 ", "o.3gp");
  ASSERT_EQ(t.Notes.size(), 2u);
  EXPECT_NE(t.Notes[0].find("352x288"), std::string::npos);
  EXPECT_NE(t.Notes[1].find("12.2k"), std::string::npos);
  EXPECT_NE(Translate("-y -f rm -vcodec rv10 -b 9600k -r 10 ", "o.rm").Notes.at(0).find("3600k"),
            std::string::npos);
  EXPECT_TRUE(Translate("-y -f avi -vcodec msmpeg4 -s 320x240 ", "o.avi").Notes.empty());
}

TEST(Translate, RefusesWhatCannotBeMade) {
  EXPECT_NE(Translate("-y -f avi -vcodec rv10 -b 768k ", "o.avi").Error, "");
  EXPECT_NE(Translate("-y -vcodec rv10 ", "o.AVI").Error, "");
  // The "-f" option decides the container, not the name.
  EXPECT_NE(Translate("-y -f avi -vcodec rv10 -an ", "o.rm").Error, "");
  EXPECT_EQ(Translate("-y -f rm -vcodec rv10 -an ", "o.avi").Error, "");
  // The PSP container takes one video and one audio stream, no fewer.
  EXPECT_NE(Translate("-y -f psp -vcodec h264 -an ", "o.mp4").Error.find("PSP"), std::string::npos);
  EXPECT_NE(Translate("-y -f psp -vn -acodec aac ", "o.mp4").Error.find("PSP"), std::string::npos);
}

TEST(Translate, OutputContainer) {
  EXPECT_EQ(OutputContainer("", "/a/b.WMV"), "asf");
  EXPECT_EQ(OutputContainer("", "/a.b/c"), "");
  EXPECT_EQ(OutputContainer("aac", "x.m4a"), "adts");
  EXPECT_EQ(OutputContainer("", "x.mpg"), "mpeg");
}
