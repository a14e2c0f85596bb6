// SPDX-License-Identifier: GPL-3.0-or-later
#include "AvsScript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ScriptTemplate.h"

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

// A string ends at the quote that closes the argument, whatever files exist:
// reading "dsq/take" for "dsq/take" final.mp4" once converted the wrong file.
TEST(AvsScript, ANameIsReadAsWrittenNeverGuessed) {
  struct TCase {
    std::string Text, Expected;
  } cases[] = {
      {"DirectShowSource(\"/dsq/take\" final.mp4\")", "/dsq/take\" final.mp4"},
      {"DirectShowSource(\"/m/say \"hi\" now.avi\", fps=\"25\")", "/m/say \"hi\" now.avi"},
      {"DirectShowSource(\"\"\"/m/ends in \"\"\"\")", "/m/ends in \""},
      {"DirectShowSource(\"\"\"\"a\"\"\" , fps=25)", "/s/\"a"},
      {"DirectShowSource(\"\"\"/m/a\"), b\"\"\")", "/m/a\"), b"},
      // A long line of quotes is one long name, not thousands of readings.
      {"DirectShowSource(\"/m/a" + std::string(200000, '"') + ".avi\")",
       "/m/a" + std::string(200000, '"') + ".avi"},
      {"DirectShowSource(\"" + std::string(200000, '"'), ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScriptSourceFile(c.Text, "/s/a.avs"), c.Expected) << c.Text.substr(0, 80);
}

// Whatever name the batch writes into a script, avcore reads back that name.
TEST(AvsScript, ReadsBackWhatTheBatchWrites) {
  const char* names[] = {
      "/m/take\" final.mp4",
      "/m/\"",
      "/m/\"\"",
      "/m/a\"",
      "/m/a\"\"",
      "/m/\"a",
      "/m/a\", b",
      "/m/a\") x",
      "/m/a \"\" , \"\") b",
      "/m/plain name.avi",
      "/m/tab\tname",
  };
  for (const char* form : {"DirectShowSource(\"<%InputFile%>\")\r\n",
                           "# made for you\nv = DIRECTSHOWSOURCE( \"<%inputfile%>\" , fps=25)\n",
                           "DirectShowSource(\"\"\"<%InputFile%>\"\"\")"}) {
    for (const char* name : names) {
      std::string script, why;
      ASSERT_TRUE(FillScriptTemplate(form, name, script, &why)) << name << ": " << why;
      EXPECT_EQ(ScriptSourceFile(script, "/s/DirectShow.avs"), name) << script;
    }
  }
}

// What cannot be written so that it reads back is refused, never written.
TEST(AvsScript, TheBatchRefusesNamesAScriptCannotHold) {
  struct TCase {
    const char* Form;
    const char* Name;
    const char* Why;
  } cases[] = {
      {"DirectShowSource(\"<%InputFile%>\")", "/m/a\"\"\"b", "three double quotes"},
      {"DirectShowSource(\"<%InputFile%>\")", "/m/two\nlines", "line break"},
      {"DirectShowSource(\"<%InputFile%>\")", "/m/cr\r", "line break"},
      {"DirectShowSource(<%InputFile%>)", "/m/a\"b", "between quotes"},
      {"DirectShowSource(\"\"<%InputFile%>\"\")", "/m/a\"b", "between quotes"},
  };
  for (const auto& c : cases) {
    std::string script = "old", why;
    EXPECT_FALSE(FillScriptTemplate(c.Form, c.Name, script, &why)) << c.Name;
    EXPECT_EQ(script, "");
    EXPECT_NE(why.find(c.Why), std::string::npos) << why;
  }
  // A name without quotes is written as it is, as the template has it.
  std::string script;
  ASSERT_TRUE(FillScriptTemplate("DirectShowSource(<%InputFile%>)", "/m/a b", script));
  EXPECT_EQ(script, "DirectShowSource(/m/a b)");
}

TEST(AvsScript, RecognisesScriptsByExtension) {
  EXPECT_TRUE(IsScriptPath("/p/DirectShow.avs"));
  EXPECT_TRUE(IsScriptPath("/p/X.AVS"));
  EXPECT_FALSE(IsScriptPath("/p/x.avi"));
  EXPECT_FALSE(IsScriptPath(".avs"));
}
