// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaStrings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "app/UtilFuncs.h"
#include "core/media/MediaClips.h"
#include "media/MediaInfo.h"
#include "support/RunProgram.h"

namespace {

const std::string& Placeholder() {
  static const std::string p = NonEmptyOr("");
  return p;
}

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
  EXPECT_NE(s[msVideoCodec], Placeholder());
  EXPECT_EQ(s[msWidth], "160");
  EXPECT_EQ(s[msHeight], "120");
  EXPECT_EQ(s[msAspectRatio], "1.333");
  EXPECT_EQ(s[msFrameRate], "25.000");
  EXPECT_NE(s[msAudioCodec], Placeholder());
  EXPECT_NE(s[msAudioCodec], s[msVideoCodec]);
  EXPECT_NE(s[msAudioBitrate].find_first_of("123456789"), std::string::npos) << s[msAudioBitrate];
  EXPECT_NE(s[msVideoBitrate].find_first_of("123456789"), std::string::npos) << s[msVideoBitrate];
  EXPECT_EQ(s[msChannels], "1");
  EXPECT_EQ(s[msSamplingRate], "44100");
  for (const std::string& v : s) EXPECT_FALSE(v.empty());
  EXPECT_TRUE(IsMediaReadable(s));
}

TEST_F(MediaStringsTest, AudioOnlyHasPlaceholdersForVideo) {
  TMediaStrings s = QueryMediaStrings(AudioOnly());
  EXPECT_TRUE(IsMediaReadable(s));
  for (int i : {msVideoCodec, msWidth, msHeight, msVideoBitrate, msAspectRatio, msFrameRate})
    EXPECT_EQ(s[static_cast<size_t>(i)], Placeholder())
        << MediaQueries[static_cast<size_t>(i)].Parameter;
  EXPECT_GE(std::stoi(s[msAudioCount]), 1);
  EXPECT_NE(s[msAudioCodec], Placeholder());
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

TEST_F(MediaStringsTest, UnreadableFilesGivePlaceholdersOnly) {
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
    for (const std::string& v : s) EXPECT_EQ(v, Placeholder()) << file;
    EXPECT_EQ(MediaInfoReport(file), "") << file;
  }
}

// A format the library does not know is no reason to refuse a file: its
// name and size are answered, and the encoder has the last word.
TEST_F(MediaStringsTest, UnknownFormatsAnswerNameAndSize) {
  TTempDir dir;
  std::string garbage(4096, '\0');
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>((i * 7919 + 13) % 251);
  WriteFileText(dir / "garbage.avi", garbage);
  WriteFileText(dir / "notes.txt", "not a video\n");
  for (const std::string& file : {dir / "garbage.avi", dir / "notes.txt"}) {
    TMediaStrings s = QueryMediaStrings(file);
    EXPECT_TRUE(IsMediaReadable(s)) << file;
    EXPECT_EQ(s[msCompleteName], file);
    EXPECT_EQ(s[msFileSize], std::to_string(std::filesystem::file_size(file)));
    EXPECT_EQ(s[msFormat], Placeholder()) << file;
    EXPECT_NE(MediaInfoReport(file).find(file), std::string::npos) << file;
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
  EXPECT_EQ(s[msVideoCount], Placeholder());
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

TEST(MediaStrings, ReadableNeedsNameAndSize) {
  TMediaStrings s;
  s.fill("x");
  EXPECT_TRUE(IsMediaReadable(s));
  s[msFormat] = Placeholder();
  EXPECT_TRUE(IsMediaReadable(s));
  for (int i : {msCompleteName, msFileSize}) {
    TMediaStrings t;
    t.fill("x");
    t[static_cast<size_t>(i)] = Placeholder();
    EXPECT_FALSE(IsMediaReadable(t)) << i;
  }
}

}  // namespace
