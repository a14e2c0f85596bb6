// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/JsonText.h"

#include <gtest/gtest.h>

TEST(JsonText, EscapesAndReplacesWhatIsNotUtf8) {
  struct TCase {
    std::string Text;
    std::string Json;
  } cases[] = {
      {"", R"("")"},
      {"clip.avi", R"("clip.avi")"},
      {"say \"hi\" \\ now", R"("say \"hi\" \\ now")"},
      {"a\nb\rc\td\x01\x1f", R"("a\nb\rc\td\u0001\u001f")"},
      {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xAC",
       "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xAC\""},
      {"caf\xE9.avi", R"("caf\ufffd.avi")"},                  // Latin-1
      {"\x80\xBF", R"("\ufffd\ufffd")"},                      // stray continuation bytes
      {"\xC0\xAF", R"("\ufffd\ufffd")"},                      // overlong "/"
      {"\xE0\x80\xAF", R"("\ufffd\ufffd\ufffd")"},            // overlong, three bytes
      {"\xED\xA0\x80", R"("\ufffd\ufffd\ufffd")"},            // a surrogate
      {"\xF4\x90\x80\x80", R"("\ufffd\ufffd\ufffd\ufffd")"},  // past U+10FFFF
      {"\xE2\x82", R"("\ufffd\ufffd")"},                      // cut short at the end
      {"\xE2\x82x", R"("\ufffd\ufffdx")"},                    // cut short before a letter
      {std::string("a\0b", 3), R"("a\u0000b")"},
  };
  for (const TCase& c : cases) EXPECT_EQ(JsonString(c.Text), c.Json) << c.Text;
}
