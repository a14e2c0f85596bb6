// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Utf8.h"

#include <gtest/gtest.h>

namespace {

// How a name is shown: every byte outside a well-formed sequence is one
// replacement character, and what follows it is kept.
TEST(Utf8, ShownText) {
  struct TCase {
    const char* Name;
    std::string Bytes;
    std::string Shown;
  };
  const TCase cases[] = {
      {"ASCII", "clip 1.avi", "clip 1.avi"},
      {"two, three and four bytes", "\xC3\xA9t\xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x8E\xAC",
       "\u00E9t\u00E9 \u65E5 \U0001F3AC"},
      {"Latin-1 letter", "caf\xE9.avi", "caf\uFFFD.avi"},
      {"Latin-1 letter at the end", "caf\xE9", "caf\uFFFD"},
      {"sequence cut short",
       "a\xE6\x97"
       "b",
       "a\uFFFD\uFFFDb"},
      {"lone continuation byte", "\x80x", "\uFFFDx"},
      {"overlong slash", "\xC0\xAF", "\uFFFD\uFFFD"},
      {"surrogate", "\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"NUL kept", std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(ShownText(c.Bytes), c.Shown);
    EXPECT_EQ(IsValidUtf8(c.Bytes), c.Bytes == c.Shown);
    EXPECT_TRUE(IsValidUtf8(ShownText(c.Bytes)));
    EXPECT_EQ(DecodeUtf8(c.Bytes).size(), DecodeUtf8(c.Shown).size());
  }
}

TEST(Utf8, DataFileText) {
  // Already UTF-8: unchanged, even where it could also be read as 1252.
  EXPECT_EQ(DataFileText("D\xC3\xA9j\xC3\xA0"), "D\u00E9j\u00E0");
  // Windows-1252, including its 0x80..0x9F block that Latin-1 lacks.
  EXPECT_EQ(DataFileText("Vid\xE9o \x80 \x93x\x94 \x81"), "Vid\u00E9o \u20AC \u201Cx\u201D \uFFFD");
}

}  // namespace
