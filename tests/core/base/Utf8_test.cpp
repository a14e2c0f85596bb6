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

// Names stay on their line and cannot steer the terminal; messages keep
// their line breaks, each one "\n" whatever the text table wrote.
TEST(Utf8, ShownNameAndMessage) {
  struct TCase {
    const char* Name;
    std::string Text;
    std::string AsName;
    std::string AsMessage;
  };
  const TCase cases[] = {
      {"plain", "clip \u65E5.avi", "clip \u65E5.avi", "clip \u65E5.avi"},
      {"escape sequence and bell",
       "a\x1b[2Jb\x07"
       "c.wav",
       "a\uFFFD[2Jb\uFFFD"
       "c.wav",
       "a\uFFFD[2Jb\uFFFD"
       "c.wav"},
      {"newline and tab", "a\nb\tc", "a\uFFFDb\uFFFDc", "a\nb\uFFFDc"},
      {"CR LF of the text table", "file:\r\n\r\nThe file", "file:\uFFFD\uFFFD\uFFFD\uFFFDThe file",
       "file:\n\nThe file"},
      {"LF CR of built-in texts", "A!\n\r\n\rB", "A!\uFFFD\uFFFD\uFFFD\uFFFDB", "A!\n\nB"},
      {"lone CR", "100%\rdone", "100%\uFFFDdone", "100%\uFFFDdone"},
      {"NUL and DEL", std::string("a\0b\x7F", 4), "a\uFFFDb\uFFFD", "a\uFFFDb\uFFFD"},
      {"C1 control sequence introducer",
       "a\xC2\x9B"
       "2Jb",
       "a\uFFFD"
       "2Jb",
       "a\uFFFD"
       "2Jb"},
      {"invalid UTF-8 as before", "caf\xE9\n", "caf\uFFFD\uFFFD", "caf\uFFFD\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(ShownName(c.Text), c.AsName);
    EXPECT_EQ(ShownMessage(c.Text), c.AsMessage);
  }
}

// Columns as a terminal draws them, whatever the process's locale.
TEST(Utf8, Columns) {
  struct TCase {
    const char* Name;
    std::string Text;
    size_t Columns;
  };
  const TCase cases[] = {
      {"ASCII", "clip.avi", 8},
      {"Latin, Greek and Cyrillic letters", "\u00E9t\u00E9 \u03A9 \u0416", 7},
      {"ideographs", "\u65E5\u672C\u8A9E", 6},
      {"kana and hangul", "\u30A2\u3042\uD55C", 6},
      {"fullwidth forms", "\uFF21\uFF10", 4},
      {"ideographic space and full stop", "\u3000\u3002", 4},
      {"halfwidth katakana", "\uFF71", 1},
      {"supplementary ideograph and emoji", "\U00020B9F\U0001F3AC", 4},
      {"combining accent", "e\u0301", 1},
      {"decomposed voiced kana", "\u304B\u3099", 2},
      {"zero-width space, joiner and BOM", "a\u200Bb\u200D\uFEFF", 2},
      {"variation selector", "\u2764\uFE0F", 1},
      {"controls", "a\tb\x1b", 2},
      {"ellipsis", "\u2026", 1},
      {"bad byte as its replacement", "caf\xE9", 4},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(TextColumns(c.Text), c.Columns);
  }
  EXPECT_EQ(CharColumns(U'\u9FFF'), 2);
  EXPECT_EQ(CharColumns(U'\uA4D0'), 1);  // just past Yi
  EXPECT_EQ(CharColumns(U'\u303F'), 1);  // the half-fill space among wide symbols
  EXPECT_EQ(CharColumns(U'\uD7A3'), 2);
  EXPECT_EQ(CharColumns(U'\uD7B0'), 1);
}

TEST(Utf8, DataFileText) {
  // Already UTF-8: unchanged, even where it could also be read as 1252.
  EXPECT_EQ(DataFileText("D\xC3\xA9j\xC3\xA0"), "D\u00E9j\u00E0");
  // Windows-1252, including its 0x80..0x9F block that Latin-1 lacks.
  EXPECT_EQ(DataFileText("Vid\xE9o \x80 \x93x\x94 \x81"), "Vid\u00E9o \u20AC \u201Cx\u201D \uFFFD");
}

}  // namespace
