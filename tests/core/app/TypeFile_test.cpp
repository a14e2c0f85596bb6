// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TypeFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/IniFile.h"
#include "app/ProgramFolder.h"
#include "base/TextUtil.h"
#include "app/GlobalVars.h"
#include "lang/ResStr.h"
#include "support/RunProgram.h"

namespace {

class TypeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobalVars();
    SetProgramFolder(Program.Path());
    std::filesystem::create_directories(Program / "skin/kvo/lang");
  }
  void TearDown() override {
    SetProgramFolder("");
    ResetGlobalVars();
  }
  void WriteTypeFile(const std::string& name, const std::string& text) {
    WriteFileText(Program / ("skin/kvo/lang/" + name), text);
  }
  TTempDir Program;
};

}  // namespace

TEST_F(TypeFileTest, PathFollowsTheLanguageFile) {
  WriteTypeFile("type_english.dat", "");
  struct TCase {
    const char* LanguageFile;
    const char* TypeFile;
  };
  for (const TCase& c :
       {TCase{"english.ini", "type_english.dat"},
        TCase{"English.ini", "type_english.dat"},  // as the language menu writes it
        TCase{"ENGLISH.INI", "type_english.dat"}, TCase{"klingon.ini", "type_klingon.dat"},
        TCase{"klingon", "type_klingon.dat"},
        // A missing one is named as the files ship, not in the menu's capitals.
        TCase{"FRENCH.ini", "type_french.dat"}, TCase{"Klingon.INI", "type_klingon.dat"}}) {
    GlobalVars.LanguageFile = c.LanguageFile;
    EXPECT_EQ(TypeFilePath(), Program / "skin/kvo/lang/" + c.TypeFile) << c.LanguageFile;
  }
}

TEST_F(TypeFileTest, LoadsBothSections) {
  WriteTypeFile("type_english.dat",
                "[AVSExt]\n1=.dvr-ms\n2=.wtv\n4=.ignored\n\n"
                "[InputFileTypes]\n"
                "; a comment line\n"
                "Video files=*.avi;*.MPG\n"
                "Audio=*.mp3\n");
  GlobalVars.LanguageFile = "English.ini";
  GlobalVars.AVSExt = {"stale"};
  ASSERT_TRUE(LoadTypeFile());
  EXPECT_EQ(GlobalVars.AVSExt, (std::vector<std::string>{".dvr-ms", ".wtv"}));  // stops at the gap
  EXPECT_EQ(GlobalVars.InputFileTypes,
            (std::vector<std::string>{"Video files=*.avi;*.MPG", "Audio=*.mp3"}));
  EXPECT_EQ(InputFilter(), "Video files|*.avi;*.MPG|Audio|*.mp3|" + ResStr(MSG_ALLFILES) + "|*.*");
}

// A type file saved by an older editor in Windows-1252 reaches the open
// dialog as UTF-8, line by line, while a UTF-8 line is left as it is.
TEST_F(TypeFileTest, Windows1252TypeFileIsConverted) {
  WriteTypeFile("type_french.dat",
                "[AVSExt]\n1=.vid\xE9o\n"
                "[InputFileTypes]\n"
                "Vid\xE9os \x80 \x93\x94=*.avi;*.caf\xE9\n"
                "D\xC3\xA9j\xC3\xA0 UTF-8=*.mp3\n");
  GlobalVars.LanguageFile = "french.ini";
  ASSERT_TRUE(LoadTypeFile());
  EXPECT_EQ(GlobalVars.AVSExt, (std::vector<std::string>{".vid\u00E9o"}));
  EXPECT_EQ(GlobalVars.InputFileTypes,
            (std::vector<std::string>{"Vid\u00E9os \u20AC \u201C\u201D=*.avi;*.caf\u00E9",
                                      "D\u00E9j\u00E0 UTF-8=*.mp3"}));
  EXPECT_TRUE(IsKnownInputType(".caf\u00E9"));
}

TEST_F(TypeFileTest, NoneEndsTheExtensionList) {
  WriteTypeFile("type_english.dat", "[AVSExt]\n1=.a\n2=<none>\n3=.c\n");
  GlobalVars.LanguageFile = "english.ini";
  ASSERT_TRUE(LoadTypeFile());
  EXPECT_EQ(GlobalVars.AVSExt, (std::vector<std::string>{".a"}));
  EXPECT_TRUE(GlobalVars.InputFileTypes.empty());
}

TEST_F(TypeFileTest, MissingFile) {
  GlobalVars.LanguageFile = "english.ini";
  GlobalVars.InputFileTypes = {"old=*.x"};
  EXPECT_FALSE(LoadTypeFile());
  EXPECT_TRUE(GlobalVars.InputFileTypes.empty());
  EXPECT_EQ(InputFilter(), ResStr(MSG_ALLFILES) + "|*.*");
}

TEST_F(TypeFileTest, KnownInputTypes) {
  GlobalVars.InputFileTypes = {"Video=*.avi;*.MPG", "Audio=*.mp3", "Odd description .wav=*.ogg"};
  struct TCase {
    const char* Ext;
    bool Known;
  };
  const TCase cases[] = {
      {".avi", true},  {".AVI", true}, {".mpg", true},  {".mp", true},  // a substring of *.mpg
      {".mp3", true},  {".og", true},  {".wav", false},                 // descriptions do not count
      {".mkv", false}, {"", false},    {".", false},
  };
  for (const TCase& c : cases) EXPECT_EQ(IsKnownInputType(c.Ext), c.Known) << c.Ext;
}

// The type files we ship: every language lists the same patterns, line by
// line, with no extension routed through the DirectShow script.
TEST(ShippedTypeFiles, SamePatternsInEveryLanguage) {
  const std::string folder = std::string(KINOVERT_SOURCE_DIR) + "/data/skin/kvo/lang/";
  TIniFile english(folder + "type_english.dat");
  auto reference = english.ReadSectionValues("InputFileTypes");
  ASSERT_GE(reference.size(), 8u);
  for (const char* lang : {"english", "french", "deutsch", "italian"}) {
    std::string file = folder + "type_" + lang + ".dat";
    ASSERT_TRUE(FileExists(file)) << file;
    TIniFile ini(file);
    EXPECT_TRUE(ini.SectionExists("AVSExt")) << lang;
    EXPECT_TRUE(ini.ReadSectionValues("AVSExt").empty()) << lang;
    auto lines = ini.ReadSectionValues("InputFileTypes");
    ASSERT_EQ(lines.size(), reference.size()) << lang;
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].second, reference[i].second) << lang << " line " << i;
      EXPECT_FALSE(lines[i].first.empty()) << lang << " line " << i;
      EXPECT_EQ(lines[i].first.find('|'), std::string::npos) << lang;
    }
    if (std::string(lang) != "english") {
      EXPECT_NE(lines[1].first, reference[1].first) << lang;
    }
  }
  // The first line lists every pattern of the others.
  const std::string& all = reference[0].second;
  for (size_t i = 1; i < reference.size(); ++i)
    for (const std::string& pattern : SplitText(reference[i].second, ';'))
      EXPECT_NE((";" + all + ";").find(";" + pattern + ";"), std::string::npos) << pattern;
}

TEST(ShippedTypeFiles, CommonFormatsAreKnown) {
  ResetGlobalVars();
  SetProgramFolder(KINOVERT_PROGRAM_DIR);
  GlobalVars.LanguageFile = "Deutsch.ini";
  ASSERT_TRUE(LoadTypeFile()) << TypeFilePath();
  EXPECT_TRUE(GlobalVars.AVSExt.empty());
  for (const char* ext : {".avi", ".mp4", ".MKV", ".webm", ".3gp", ".mpg",  ".vob", ".ts",  ".flv",
                          ".wmv", ".asf", ".rm",  ".rmvb", ".mov", ".dv",   ".mts", ".mp3", ".wav",
                          ".aac", ".m4a", ".ac3", ".flac", ".ogg", ".opus", ".amr", ".wma"})
    EXPECT_TRUE(IsKnownInputType(ext)) << ext;
  for (const char* ext : {".txt", ".pdf", ".jpg", ".exe", ".ini"})
    EXPECT_FALSE(IsKnownInputType(ext)) << ext;
  SetProgramFolder("");
  ResetGlobalVars();
}
