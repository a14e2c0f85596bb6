// SPDX-License-Identifier: GPL-3.0-or-later
#include "AvsScript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(AvsScript, FindsTheSourceCall) {
  struct TCase {
    const char* Text;
    const char* Expected;
  } cases[] = {
      {"DirectShowSource(\"/media/a b.avi\")\n", "/media/a b.avi"},
      {"v = directshowsource ( \"/m/x.wmv\", fps=25)\r\nreturn v\r\n", "/m/x.wmv"},
      {"DIRECTSHOWSOURCE(\"\"\"/m/say \"hi\".rm\"\"\")", "/m/say \"hi\".rm"},
      {"# DirectShowSource(\"/old.avi\")\nDirectShowSource(\"/new.avi\")", "/new.avi"},
      {"DirectShowSource(\"clip.avi\")", "/scripts/clip.avi"},
      {"AviSource(\"/m/a.avi\")", ""},
      {"DirectShowSource(\"\")", ""},
      {"DirectShowSource(\"/unterminated", ""},
      {"DirectShowSource(\"\"\"/open DirectShowSource(\"/b.avi\")", "/b.avi"},
      {"DirectShowSource(\"\"\"\"\"\") DirectShowSource(\"/c.avi\")", "/c.avi"},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScriptSourceFile(c.Text, "/scripts/DirectShow.avs"), c.Expected) << c.Text;
}

TEST(AvsScript, ANameWithQuotesIsReadUpToTheQuoteThatNamesAFile) {
  const std::string text = "DirectShowSource(\"/m/say \"hi\" now.avi\", fps=\"25\")";
  auto existing = [](const std::string& p) { return p == "/m/say \"hi\" now.avi"; };
  EXPECT_EQ(ScriptSourceFile(text, "/s/a.avs", existing), "/m/say \"hi\" now.avi");
  // Nothing exists: the plain reading, so the error names it.
  EXPECT_EQ(ScriptSourceFile(text, "/s/a.avs", [](const std::string&) { return false; }),
            "/m/say ");
}

TEST(AvsScript, LongLinesOfQuotes) {
  // Every quote of a line could end the name; the readings are looked at one
  // by one and stop at the longest name a file can have.
  std::string quotes(200000, '"');
  const std::string text = "DirectShowSource(\"/m/a" + quotes + ".avi\")";
  std::vector<std::string> asked;
  auto exists = [&asked](const std::string& p) {
    asked.push_back(p);
    return false;
  };
  EXPECT_EQ(ScriptSourceFile(text, "/s/a.avs", exists), "/m/a");
  EXPECT_LE(asked.size(), 4096u);
  EXPECT_EQ(asked.front(), "/m/a");
}

TEST(AvsScript, RecognisesScriptsByExtension) {
  EXPECT_TRUE(IsScriptPath("/p/DirectShow.avs"));
  EXPECT_TRUE(IsScriptPath("/p/X.AVS"));
  EXPECT_FALSE(IsScriptPath("/p/x.avi"));
  EXPECT_FALSE(IsScriptPath(".avs"));
}
