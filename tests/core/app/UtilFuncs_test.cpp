// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UtilFuncs.h"

#include <gtest/gtest.h>

#include <set>

#include "base/TextUtil.h"
#include "lang/ResStr.h"

TEST(UtilFuncs, NonEmptyOrAndToolbarCaption) {
  EXPECT_EQ(NonEmptyOr(""), ResStr(MSG_EMPTY_STR));
  EXPECT_EQ(NonEmptyOr("x"), "x");
  EXPECT_EQ(ToolbarCaption("AVI"), "\r\r\r\rAVI");
}

TEST(UtilFuncs, CharsAndSubstrings) {
  EXPECT_TRUE(HasAnyChar("a/b", "\\/"));
  EXPECT_FALSE(HasAnyChar("ab", "\\/"));
  EXPECT_FALSE(HasAnyChar("ab", ""));
  EXPECT_TRUE(Contains("Stream", "  Stream #0.0 -> #0.0"));
  EXPECT_FALSE(Contains("stream", "  Stream #0.0"));  // case-sensitive

  struct TCase {
    const char* Text;
    const char* Sub;
    int Count;
  };
  for (const TCase& c : {TCase{"aaa", "aa", 2}, TCase{"abab", "ab", 2}, TCase{"abc", "x", 0},
                         TCase{"abc", "", 0}, TCase{"", "a", 0}})
    EXPECT_EQ(CountOccurrences(c.Text, c.Sub), c.Count) << c.Text << " / " << c.Sub;
}

TEST(UtilFuncs, LetterCase) {
  EXPECT_EQ(LowerCaseAscii("Type_ENGLISH.Dat"), "type_english.dat");
  EXPECT_TRUE(SameTextIgnoringCase("FRENCH.ini", "french.INI"));
  EXPECT_TRUE(SameTextIgnoringCase("Été.INI", "Été.ini"));
  EXPECT_FALSE(SameTextIgnoringCase("été.ini", "ÉTÉ.ini"));  // only ASCII letters fold
  EXPECT_FALSE(SameTextIgnoringCase("french.ini", "french.ini "));
}

TEST(UtilFuncs, SplitText) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitText("a;b;c", ';'), (V{"a", "b", "c"}));
  EXPECT_EQ(SplitText("a;;c;", ';'), (V{"a", "", "c", ""}));
  EXPECT_EQ(SplitText("", ';'), (V{""}));
  EXPECT_EQ(SplitText("0:01:02.5", ':'), (V{"0", "01", "02.5"}));
}

TEST(UtilFuncs, TextBetween) {
  const std::string progress = "frame=  250 q=2.0 size=    1024kB time=10.00 bitrate= 838.9kbits/s";
  EXPECT_EQ(TextBetween(progress, "size=", "kB "), "1024");
  EXPECT_EQ(TextBetween(progress, " time=", " "), "10.00");
  EXPECT_EQ(TextBetween(progress, " bitrate=", "kbits/s"), "838.9");
  EXPECT_EQ(TextBetween("Input #0, avi, from 'C:\\in\\clip.avi':", "from '", "':"),
            "C:\\in\\clip.avi");
  // b must start at least one character after a, so a blank right after a is skipped.
  EXPECT_EQ(TextBetween("time= 5.5 x", "time=", " "), "5.5");
  EXPECT_EQ(TextBetween("no marker here", "time=", " "), "");
  EXPECT_EQ(TextBetween("time=10.00", "time=", " "), "");  // b missing
}

TEST(UtilFuncs, RandomDigits) {
  EXPECT_EQ(RandomDigits(0), "");
  std::set<std::string> seen;
  std::set<char> digits;
  for (int i = 0; i < 50; ++i) {
    std::string d = RandomDigits(5);
    ASSERT_EQ(d.size(), 5u);
    for (char c : d) {
      ASSERT_TRUE(c >= '0' && c <= '9') << d;
      digits.insert(c);
    }
    seen.insert(d);
  }
  // Calls in quick succession differ (no reseeding from a coarse clock).
  EXPECT_GT(seen.size(), 45u);
  EXPECT_EQ(digits.size(), 10u);
}
