// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GlobalVars.h"

#include <gtest/gtest.h>

TEST(GlobalVars, StartsZeroed) {
  TGlobalVars v;
  EXPECT_EQ(v.OutputFormat, 0);
  EXPECT_TRUE(v.LanguageFile.empty());
  EXPECT_EQ(v.Priority, 0);
  EXPECT_FALSE(v.BatchHadErrors);
  EXPECT_EQ(v.TotalBytes, 0);
  EXPECT_EQ(v.BatchStartTime, 0.0);
  EXPECT_TRUE(v.InputFileTypes.empty());
  for (const auto& d : v.ProfileDirs) EXPECT_TRUE(d.empty());
  EXPECT_TRUE(v.RandomNumber5.empty());
}

TEST(GlobalVars, FormatAndFolderTables) {
  // The profile folders keep their own order: VOB and ASF are not at 8 and 9.
  const char* dirByFormat[] = {"avi", "mp4", "3gp", "mpg", "mov", "wmv", "rm",  "swf",
                               "vob", "asf", "aac", "ac3", "mp2", "mp3", "amr", "wav"};
  for (int f = 0; f < kOutputFormatCount; ++f) {
    int i = ProfileDirIndex(f);
    ASSERT_GE(i, 0);
    EXPECT_EQ(ProfileDirNames[static_cast<size_t>(i)], dirByFormat[f]) << f;
  }
  EXPECT_EQ(ProfileDirIndex(ofVOB), 9);
  EXPECT_EQ(ProfileDirIndex(ofASF), 15);
  EXPECT_EQ(ProfileDirIndex(16), -1);
  EXPECT_EQ(OutputFormatFromName("3gp"), of3GP);
  EXPECT_EQ(OutputFormatFromName("Mp3"), ofMP3);
  EXPECT_EQ(OutputFormatFromName("wav"), ofWAV);
  EXPECT_EQ(OutputFormatFromName("mpg"), -1);
  EXPECT_EQ(OutputFormatFromName(""), -1);
}

TEST(GlobalVars, ProfileExtensions) {
  const char* expected[] = {"avo", "mpo", "3go", "mpo", "moo", "wmo", "rmo", "swo",
                            "voo", "aso", "aao", "aco", "mpo", "mpo", "amo", "wao"};
  for (int f = 0; f < kOutputFormatCount; ++f) EXPECT_EQ(ProfileExtension(f), expected[f]) << f;
  EXPECT_EQ(ProfileExtension(16), "");
  EXPECT_EQ(FormatFolderName(ofMPEG), "mpg");
}
