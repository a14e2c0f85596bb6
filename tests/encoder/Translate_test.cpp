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
  EXPECT_EQ(cmd.Error, "");
  return TranslateCommand(cmd, "in.avi");
}

std::string Joined(const std::vector<std::string>& args) {
  std::string s;
  for (const std::string& a : args) s += (s.empty() ? "" : " ") + a;
  return s;
}

const std::string kEven = "-vf scale=w='trunc(iw/2)*2':h='trunc(ih/2)*2'";

}  // namespace

TEST(Translate, OldOptionsBecomeTodaysArguments) {
  struct TCase {
    std::string Options, Output, Expected;
  } cases[] = {
      // Defaults of the builder.
      {"-y -f avi -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 -ab 96 -ar 22050 ", "o.avi",
       "-y -i file:in.avi -f avi -c:v msmpeg4 -b:v 1080k -r 25 -c:a libmp3lame -ac 2 -ar 22050 -b:a 96k file:o.avi"},
      {"-y -f 3gp -vcodec h263 -s 176x144 -b 144k -r 12.5 -aspect 11:9 -acodec amr_nb -ac 1 -ar 8000 -ab 13 ", "o.3gp",
       "-y -i file:in.avi -f 3gp -c:v h263 -s 176x144 -b:v 144k -r 12.5 -aspect 11:9 -c:a libopencore_amrnb -ac 1 "
       "-ar 8000 -b:a 12.2k file:o.3gp"},
      {"-y -f aac -vn -acodec aac -ac 2 -ab 128 -ar 44100 ", "o.aac",
       "-y -i file:in.avi -f adts -vn -c:a aac -ac 2 -ar 44100 -b:a 128k file:o.aac"},
      {"-y -vcodec wmv2 -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050 ", "o.wmv",
       "-y -i file:in.avi -c:v wmv2 " + kEven + " -b:v 768k -r 25 -c:a libmp3lame -ac 2 -ar 22050 file:o.wmv"},
      // Time window: the start seeks the input; a zero start or duration means none.
      {"-y -f avi  -t 0:01:00.000 -ss 0:00:10.000 -vcodec msmpeg4 -b 1080k -r 25 -an ", "o.avi",
       "-y -ss 0:00:10.000 -i file:in.avi -t 0:01:00.000 -f avi -c:v msmpeg4 -b:v 1080k -r 25 -an file:o.avi"},
      {"-y -f mp3  -t 0:00:00.000 -ss 0:00:00.000 -vn -acodec mp3 -ac 2 -ab 128 -ar 44100 ", "o.mp3",
       "-y -i file:in.avi -f mp3 -vn -c:a libmp3lame -ac 2 -ar 44100 -b:a 128k file:o.mp3"},
      // Codec names, same quality, exact NTSC rates.
      {"-y -f mp4 -sameq -vcodec msmpeg4 -s 320x240 -b 1200k -r 29.97 -acodec aac -ac 2 -ab 64 -ar 22050 ", "o.mp4",
       "-y -i file:in.avi -f mp4 -c:v mpeg4 -s 320x240 -q:v 2 -r 30000/1001 -c:a aac -ac 2 -ar 22050 -b:a 64k "
       "file:o.mp4"},
      {"-y -f mov -sameq -vcodec h264 -b 1200k -r 23.976 -ac 2 -ab 64 -ar 22050 ", "o.mov",
       "-y -i file:in.avi -f mov -c:v libx264 -pix_fmt yuv420p " + kEven +
           " -crf 18 -r 24000/1001 -c:a aac -ac 2 -ar 22050 -b:a 64k file:o.mov"},
      {"-y -f 3gp -vcodec xvid -s 176x144 -b 96k -r 14.985 -an ", "o.3gp",
       "-y -i file:in.avi -f 3gp -c:v libxvid -s 176x144 -b:v 96k -r 15000/1001 -an file:o.3gp"},
      {"-y -f avi -vcodec ffvhuff -strict -2 -b 1080k -r 19.98 -acodec pcm_u8 -ac 1 -ar 11025 ", "o.avi",
       "-y -i file:in.avi -f avi -c:v ffvhuff " + kEven +
           " -b:v 1080k -r 20000/1001 -c:a pcm_u8 -ac 1 -ar 11025 -strict -2 file:o.avi"},
      // Values the encoders refuse are moved to the nearest they take.
      {"-y -f avi -vcodec h263 -s 320x240 -b 1080k -r 25 -an ", "o.avi",
       "-y -i file:in.avi -f avi -c:v h263 -s 352x288 -b:v 1080k -r 25 -an file:o.avi"},
      {"-y -f avi -vcodec h263p -s 322x242 -b 1080k -an ", "o.avi",
       "-y -i file:in.avi -f avi -c:v h263p -s 324x244 -b:v 1080k -an file:o.avi"},
      {"-y -f mp4 -vcodec h264 -s 321x241 -b 1200k -an ", "o.mp4",
       "-y -i file:in.avi -f mp4 -c:v libx264 -pix_fmt yuv420p -s 322x242 -b:v 1200k -an file:o.mp4"},
      {"-y -f rm -b 768k -vcodec rv10 -s 1280x720 -r 25 -acodec ac3 -ac 2 -ar 22050 -ab 250 ", "o.rm",
       "-y -i file:in.avi -f rm -c:v rv10 -s 720x400 -b:v 768k -r 25 -c:a ac3 -ac 2 -ar 32000 -b:a 256k file:o.rm"},
      {"-y -vcodec mpeg1video -b 1152k -r 12.5 -acodec mp2 -ac 2 -ab 160 -ar 44100 ", "o.mpg",
       "-y -i file:in.avi -c:v mpeg1video -b:v 1152k -r 24000/1001 -c:a mp2 -ac 2 -ar 44100 -b:a 160k file:o.mpg"},
      {"-y -vcodec flv -b 768k -r 25 -acodec mp3 -ac 2 -ar 48000 ", "o.swf",
       "-y -i file:in.avi -c:v flv -b:v 768k -r 25 -c:a libmp3lame -ac 2 -ar 44100 file:o.swf"},
      {"-y -vcodec flv -b 768k -acodec mp3 -ac 2 ", "o.swf",
       "-y -i file:in.avi -c:v flv -b:v 768k -c:a libmp3lame -ac 2 -af aformat=sample_rates=44100|22050|11025 "
       "file:o.swf"},
      {"-y -f mp2 -vn -acodec mp2 -ac 5:1 -ab 384 -ar 11025 ", "o.mp2",
       "-y -i file:in.avi -f mp2 -vn -c:a mp2 -ac 2 -ar 16000 -b:a 160k file:o.mp2"},
      {"-y -f ac3 -vn -acodec ac3 -ab 256 -ac 5:1 -ar 48000 ", "o.ac3",
       "-y -i file:in.avi -f ac3 -vn -c:a ac3 -ac 6 -ar 48000 -b:a 256k file:o.ac3"},
      {"-y -f amr -vn -acodec amr_wb -ac 1 -ar 16000 -ab 24 ", "o.amr",
       "-y -i file:in.avi -f amr -vn -c:a libvo_amrwbenc -ac 1 -ar 16000 -b:a 23.85k file:o.amr"},
      {"-y -f mov -vcodec svq1 -b 1200k -r 25 -acodec amr_nb -ab 8 ", "o.mov",
       "-y -i file:in.avi -f mov -c:v svq1 -vf scale=w='max(2,trunc(iw*min(1,min(4094/iw,4094/ih))/2)*2)':"
       "h='max(2,trunc(ih*min(1,min(4094/iw,4094/ih))/2)*2)' -b:v 1200k -r 25 -c:a libopencore_amrnb -ac 1 -ar 8000 "
       "-b:a 7.95k file:o.mov"},
      // MPEG targets keep their own codecs; explicit bitrates override theirs.
      {"-target pal-dvd -b 6000k -aspect 4:3 -ab 384 ", "o.mpg",
       "-i file:in.avi -target pal-dvd -b:v 6000k -aspect 4:3 -b:a 384k file:o.mpg"},
      {" -t 0:00:30.000 -ss 0:01:00.000 -target ntsc-vcd ", "o.mpg",
       "-ss 0:01:00.000 -i file:in.avi -t 0:00:30.000 -target ntsc-vcd file:o.mpg"},
      // A container that picks an encoder with size limits by itself.
      {"-y -f 3gp -an ", "o.3gp",
       "-y -i file:in.avi -f 3gp -c:v h263 -vf scale=w='if(lt(iw,152),128,if(lt(iw,264),176,if(lt(iw,528),352,"
       "if(lt(iw,1056),704,1408))))':h='if(lt(iw,152),96,if(lt(iw,264),144,if(lt(iw,528),288,if(lt(iw,1056),576,"
       "1152))))' -an file:o.3gp"},
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
  EXPECT_TRUE(Translate("-y -f avi -vcodec msmpeg4 -s 320x240 ", "o.avi").Notes.empty());
}

TEST(Translate, RefusesWhatCannotBeReadBack) {
  EXPECT_NE(Translate("-y -f avi -vcodec rv10 -b 768k ", "o.avi").Error, "");
  EXPECT_NE(Translate("-y -vcodec rv10 ", "o.AVI").Error, "");
  // The "-f" option decides the container, not the name.
  EXPECT_NE(Translate("-y -f avi -vcodec rv10 -an ", "o.rm").Error, "");
  EXPECT_EQ(Translate("-y -f rm -vcodec rv10 -an ", "o.avi").Error, "");
  EXPECT_NE(Translate("-y stray -f avi ", "o.avi").Error, "");
}

TEST(Translate, OutputContainer) {
  EXPECT_EQ(OutputContainer("", "/a/b.WMV"), "asf");
  EXPECT_EQ(OutputContainer("", "/a.b/c"), "");
  EXPECT_EQ(OutputContainer("aac", "x.m4a"), "adts");
  EXPECT_EQ(OutputContainer("", "x.mpg"), "mpeg");
}
