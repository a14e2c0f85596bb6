// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaStrings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "base/IniFile.h"
#include "core/media/MediaClips.h"
#include "media/MediaInfo.h"
#include "support/RunProgram.h"

namespace {

class MediaStringsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Dir = std::make_unique<TTempDir>();
    media_clips::MakeVideoWithAudio(VideoAudio());
    media_clips::MakeAudioOnly(AudioOnly());
    media_clips::MakeTwoAudioStreams(TwoAudio());
  }
  static void TearDownTestSuite() { Dir.reset(); }

  static std::string VideoAudio() { return *Dir / "video with audio.avi"; }
  static std::string AudioOnly() { return *Dir / "audio only.mp2"; }
  static std::string TwoAudio() { return *Dir / "two audio streams.mkv"; }

  static std::unique_ptr<TTempDir> Dir;
};
std::unique_ptr<TTempDir> MediaStringsTest::Dir;

TEST_F(MediaStringsTest, VideoWithAudio) {
  TMediaStrings s = QueryMediaStrings(VideoAudio());
  EXPECT_EQ(s[msCompleteName], VideoAudio());
  EXPECT_EQ(s[msFileSize], std::to_string(std::filesystem::file_size(VideoAudio())));
  EXPECT_EQ(s[msFormat], "AVI");
  EXPECT_EQ(s[msPlayTime].rfind("00:00:01", 0), 0u) << s[msPlayTime];
  EXPECT_EQ(s[msAudioCount], "1");
  EXPECT_EQ(s[msVideoCount], "1");
  EXPECT_NE(s[msVideoCodec], "");
  EXPECT_EQ(s[msWidth], "160");
  EXPECT_EQ(s[msHeight], "120");
  EXPECT_EQ(s[msAspectRatio], "1.333");
  EXPECT_EQ(s[msFrameRate], "25.000");
  EXPECT_NE(s[msAudioCodec], "");
  EXPECT_NE(s[msAudioCodec], s[msVideoCodec]);
  EXPECT_NE(s[msAudioBitrate].find_first_of("123456789"), std::string::npos) << s[msAudioBitrate];
  EXPECT_NE(s[msVideoBitrate].find_first_of("123456789"), std::string::npos) << s[msVideoBitrate];
  EXPECT_EQ(s[msChannels], "1");
  EXPECT_EQ(s[msSamplingRate], "44100");
  for (const std::string& v : s) EXPECT_FALSE(v.empty());
  EXPECT_TRUE(IsMediaReadable(s));
}

// What a file has not is "", whatever the language's placeholder: the
// strings are asked on a worker thread while a language switch may rewrite
// the text table, so they never hold a text of it (the views show the
// placeholder).
TEST_F(MediaStringsTest, AudioOnlyHasNoVideoValues) {
  ASSERT_TRUE(LoadLanguageFrom(TIniFile::FromText("x.ini", "[LANGRES]\nMSG_EMPTY_STR=(none)\n")));
  TMediaStrings s = QueryMediaStrings(AudioOnly());
  ResetLanguage();
  EXPECT_TRUE(IsMediaReadable(s));
  for (int i : {msVideoCount, msVideoCodec, msWidth, msHeight, msVideoBitrate, msAspectRatio,
                msFrameRate})
    EXPECT_EQ(s[static_cast<size_t>(i)], "") << MediaQueries[static_cast<size_t>(i)].Parameter;
  EXPECT_GE(std::stoi(s[msAudioCount]), 1);
  EXPECT_NE(s[msAudioCodec], "");
  EXPECT_EQ(s[msSamplingRate], "44100");
}

TEST_F(MediaStringsTest, TwoAudioStreamsGiveTheFirstStreamOnly) {
  TMediaStrings s = QueryMediaStrings(TwoAudio());
  EXPECT_EQ(s[msAudioCount], "2");
  EXPECT_EQ(s[msChannels], "1");
  EXPECT_EQ(s[msSamplingRate], "48000");
  EXPECT_EQ(s[msAudioBitrate], "128000");
  TMediaInfo info;
  ASSERT_TRUE(info.Open(TwoAudio()));
  std::string second = info.Get(TStreamKind::Audio, 1, "Codec/String");
  EXPECT_FALSE(second.empty());
  EXPECT_NE(s[msAudioCodec], second);
  EXPECT_EQ(s[msAudioCodec], info.Get(TStreamKind::Audio, 0, "Codec/String"));
}

TEST_F(MediaStringsTest, UnreadableFilesGiveNoValues) {
  TTempDir dir;
  WriteFileText(dir / "empty.avi", "");
  ASSERT_EQ(::mkfifo((dir / "pipe.avi").c_str(), 0600), 0);
  std::filesystem::create_directory(dir / "folder.avi");
  std::filesystem::create_symlink(dir / "gone.avi", dir / "dangling.avi");
  const std::vector<std::string> cases = {dir / "empty.avi",
                                          dir / "pipe.avi",
                                          dir / "folder.avi",
                                          dir / "missing.avi",
                                          dir / "dangling.avi",
                                          "",
                                          "http://127.0.0.1:9/clip.avi"};
  for (const std::string& file : cases) {
    TMediaStrings s = QueryMediaStrings(file);
    EXPECT_FALSE(IsMediaReadable(s)) << file;
    EXPECT_FALSE(AnswersNameAndSize(s)) << file;
    for (const std::string& v : s) EXPECT_EQ(v, "") << file;
    EXPECT_EQ(MediaInfoReport(file), "") << file;
  }
}

// A file with nothing to convert in it answers its name and size (info
// prints it), but the file list refuses it; the encoder is asked about a
// format the library cannot look into, and its streams count then.
TEST_F(MediaStringsTest, TheListTakesOnlyFilesWithAStream) {
  TTempDir dir;
  std::string garbage(4096, '\0');
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>((i * 7919 + 13) % 251);
  WriteFileText(dir / "garbage.avi", garbage);
  WriteFileText(dir / "notes.txt", "not a video\n");
  // An MP4 whose index sits at its end, cut short as by a copy still running.
  media_clips::Ffmpeg({"-i", VideoAudio(), "-c", "copy", dir / "whole.mp4"});
  const std::string whole = ReadFileText(dir / "whole.mp4");
  WriteFileText(dir / "cut.mp4", whole.substr(0, whole.size() / 2));
  media_clips::Ffmpeg({"-i", VideoAudio(), "-c:a", "wavpack", "-vn", dir / "sound.wv"});
  media_clips::Ffmpeg({"-i", VideoAudio(), dir / "clip.nut"});
  struct TCase {
    std::string File;
    bool Listed;
    const char* Audio;
    const char* Video;
  } cases[] = {
      {dir / "garbage.avi", false, "", ""},
      {dir / "notes.txt", false, "", ""},
      {dir / "cut.mp4", false, "", ""},
      {dir / "sound.wv", true, "1", ""},
      {dir / "clip.nut", true, "1", "1"},
  };
  for (const TCase& c : cases) {
    TMediaStrings s = QueryMediaStrings(c.File);
    EXPECT_TRUE(AnswersNameAndSize(s)) << c.File;
    EXPECT_EQ(s[msCompleteName], c.File);
    EXPECT_EQ(s[msFileSize], std::to_string(std::filesystem::file_size(c.File)));
    EXPECT_EQ(IsMediaReadable(s), c.Listed) << c.File;
    EXPECT_EQ(s[msAudioCount], c.Audio) << c.File;
    EXPECT_EQ(s[msVideoCount], c.Video) << c.File;
    EXPECT_NE(MediaInfoReport(c.File).find(c.File), std::string::npos) << c.File;
  }
}

TEST_F(MediaStringsTest, OddFileNames) {
  TTempDir dir;
  for (const std::string& name : media_clips::OddNames()) {
    std::filesystem::copy_file(AudioOnly(), dir / name);
    TMediaStrings s = QueryMediaStrings(dir / name);
    EXPECT_EQ(s[msCompleteName], dir / name);
    EXPECT_EQ(s[msSamplingRate], "44100") << name;
    EXPECT_NE(MediaInfoReport(dir / name).find(name), std::string::npos) << name;
  }
}

TEST_F(MediaStringsTest, NameThatIsNotUtf8) {
  // The file of those very bytes is read, not the one whose name has
  // replacement characters in place of the bad bytes; the name is shown with
  // them.
  TTempDir dir;
  const std::string file = dir / "caf\xE9 \xFF\xC3.mp2";
  const std::string shown = dir / "caf\uFFFD \uFFFD\uFFFD.mp2";
  std::filesystem::copy_file(AudioOnly(), file);
  std::filesystem::copy_file(VideoAudio(), shown);
  TMediaStrings s = QueryMediaStrings(file);
  EXPECT_TRUE(IsMediaReadable(s));
  EXPECT_EQ(s[msCompleteName], shown);
  EXPECT_EQ(s[msFileSize], std::to_string(std::filesystem::file_size(AudioOnly())));
  EXPECT_EQ(s[msVideoCount], "");
  EXPECT_EQ(s[msSamplingRate], "44100");
  std::string report = MediaInfoReport(file);
  EXPECT_NE(report.find(shown), std::string::npos);
  EXPECT_EQ(report.find("Video"), std::string::npos);
}

TEST_F(MediaStringsTest, ReportIsStandardAfterACompleteReportWasAsked) {
  std::string standard = MediaInfoReport(VideoAudio());
  ASSERT_NE(standard.find("Complete name"), std::string::npos);
  ASSERT_NE(standard.find(VideoAudio()), std::string::npos);

  TMediaInfo::Option("Complete", "1");
  TMediaInfo other;
  ASSERT_TRUE(other.Open(VideoAudio()));
  std::string complete = other.Inform();
  EXPECT_GT(complete.size(), standard.size());
  EXPECT_NE(complete, standard);

  EXPECT_EQ(MediaInfoReport(VideoAudio()), standard);
  // The reset stays: a later plain report is the standard one as well.
  EXPECT_EQ(other.Inform(), standard);
}

TEST_F(MediaStringsTest, ConcurrentQueriesAndReports) {
  const TMediaStrings expected = QueryMediaStrings(TwoAudio());
  const std::string report = MediaInfoReport(VideoAudio());
  std::vector<std::thread> threads;
  std::vector<int> failures(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 8; ++i) {
        if (t % 2 == 0) {
          if (QueryMediaStrings(TwoAudio()) != expected) ++failures[static_cast<size_t>(t)];
        } else {
          TMediaInfo::Option("Complete", "1");
          if (MediaInfoReport(VideoAudio()) != report) ++failures[static_cast<size_t>(t)];
        }
      }
    });
  }
  for (auto& th : threads) th.join();
  for (int f : failures) EXPECT_EQ(f, 0);
  TMediaInfo::Option("Complete", "");
}

TEST(MediaStrings, QueryTable) {
  // The panel and the file item depend on this order and on these spellings.
  const char* expected[] = {"CompleteName", "FileSize",   "Format",       "PlayTime/String3",
                            "AudioCount",   "VideoCount", "Codec/String", "Width",
                            "Height",       "Bitrate",    "AspectRatio",  "FrameRate",
                            "Codec/String", "BitRate",    "Channel(s)",   "SamplingRate"};
  for (size_t i = 0; i < kMediaStringCount; ++i) {
    EXPECT_STREQ(MediaQueries[i].Parameter, expected[i]) << i;
    TStreamKind kind = i < 6    ? TStreamKind::General
                       : i < 12 ? TStreamKind::Video
                                : TStreamKind::Audio;
    EXPECT_EQ(MediaQueries[i].Kind, kind) << i;
  }
}

TEST(MediaStrings, ReadableNeedsNameSizeAndAStream) {
  struct TCase {
    const char *Name, *Size, *Audio, *Video;
    bool Answered, Listed;
  } cases[] = {
      {"a.avi", "9", "1", "1", true, true},   {"a.avi", "9", "", "2", true, true},
      {"a.avi", "9", "1", "0", true, true},   {"a.avi", "9", "", "", true, false},
      {"a.avi", "9", "0", "0", true, false},  {"a.avi", "9", "x", "-1", true, false},
      {"", "9", "1", "1", false, false},      {"a.avi", "", "1", "1", false, false},
  };
  for (const TCase& c : cases) {
    TMediaStrings s;
    s.fill("x");
    s[msFormat] = "";
    s[msCompleteName] = c.Name;
    s[msFileSize] = c.Size;
    s[msAudioCount] = c.Audio;
    s[msVideoCount] = c.Video;
    EXPECT_EQ(AnswersNameAndSize(s), c.Answered) << c.Name << c.Size << c.Audio << c.Video;
    EXPECT_EQ(IsMediaReadable(s), c.Listed) << c.Name << c.Size << c.Audio << c.Video;
  }
}

}  // namespace
