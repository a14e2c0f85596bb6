// SPDX-License-Identifier: GPL-3.0-or-later
#include "LegacyCommand.h"

#include <gtest/gtest.h>

namespace {

std::string Options(const TLegacyCommand& c) {
  std::string s;
  for (const auto& o : c.Options) s += "[" + o.Name + (o.HasValue ? " " + o.Value : "") + "]";
  return s;
}

}  // namespace

TEST(LegacyCommand, ReadsTheBatchCommandWithItsEmptyWords) {
  // The time clause leaves two blanks, so the runner may hand over empty words.
  auto c = ParseLegacyCommand({"-p", "5310746", "-i", "/in/my clip.avi", "-y", "-f", "avi", "", "-t", "0:01:00.000",
                               "-ss", "0:00:10.000", "-vcodec", "ffvhuff", "-strict", "-2", "", "/out/-x.avi"});
  EXPECT_TRUE(c.AccessGranted);
  EXPECT_EQ(c.Error, "");
  EXPECT_EQ(c.Input, "/in/my clip.avi");
  EXPECT_EQ(c.Output, "/out/-x.avi");
  EXPECT_EQ(Options(c), "[-y][-f avi][-t 0:01:00.000][-ss 0:00:10.000][-vcodec ffvhuff][-strict -2]");
}

TEST(LegacyCommand, AnInputOrOutputNamedLikeAnOptionStaysAFile) {
  auto c = ParseLegacyCommand({"-p", "5310746", "-i", "-y", "-sameq", "-an", "-vn"});
  EXPECT_EQ(c.Input, "-y");
  EXPECT_EQ(Options(c), "[-sameq][-an]");
  // A flag as the last word means the output is missing.
  EXPECT_NE(ParseLegacyCommand({"-p", "5310746", "-i", "a.avi", "-y"}).Error, "");
}

TEST(LegacyCommand, AccessAndMissingPieces) {
  EXPECT_FALSE(ParseLegacyCommand({"-i", "a.avi", "b.avi"}).AccessGranted);
  EXPECT_FALSE(ParseLegacyCommand({"-p", "1234567", "-i", "a.avi", "b.avi"}).AccessGranted);
  EXPECT_TRUE(ParseLegacyCommand({"-p", "5310746", "-i", "a.avi", "b.avi"}).AccessGranted);
  EXPECT_NE(ParseLegacyCommand({"-p", "5310746", "b.avi"}).Error, "");
  EXPECT_NE(ParseLegacyCommand({"-p", "5310746", "-i", "a.avi"}).Error, "");
  EXPECT_NE(ParseLegacyCommand({}).Error, "");
}
