// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/ResStr.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "base/IniFile.h"
#include "base/TextUtil.h"
#include "support/RunProgram.h"

namespace {

TMsgKey KeyAt(int i) { return static_cast<TMsgKey>(i); }

std::vector<std::string> CurrentTexts() {
  std::vector<std::string> out;
  for (int i = 0; i < kMsgKeyCount; ++i) out.push_back(ResStr(KeyAt(i)));
  return out;
}

// The format directives of a text in order: "%s", "%d", "%%", "%5.2f"...
std::vector<std::string> Directives(const std::string& text) {
  std::vector<std::string> out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    size_t j = i + 1;
    if (j < text.size() && text[j] == '%') {
      out.push_back("%%");
      i = j;
      continue;
    }
    while (j < text.size() && std::string_view("-+ #0123456789.").find(text[j]) != std::string_view::npos)
      ++j;
    out.push_back(text.substr(i, j + 1 - i));
    i = j;
  }
  return out;
}

// A language file writes every line break as "#13", which loads as CR LF; a
// default holding LF, CR or LF CR is reproduced by a file as that many CR LF.
std::string AsLoadedFromFile(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '\r' && c != '\n') {
      out += c;
      continue;
    }
    if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != c)
      ++i;
    out += "\r\n";
  }
  return out;
}

size_t CountOf(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
    ++n;
  return n;
}

std::string EndsWith(const std::string& text, const std::string& end) {
  bool ends =
      text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
  return ends ? "ends with " + end : "does not end with " + end;
}

const char* const kTranslations[] = {"french.ini", "deutsch.ini", "italian.ini"};
const std::string kLangFolder = KINOVERT_SOURCE_DIR "/data/skin/kvo/lang/";

bool IsValidUtf8Text(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    auto b = static_cast<unsigned char>(s[i]);
    size_t len = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
    if (len == 0 || i + len > s.size()) return false;
    for (size_t k = 1; k < len; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += len;
  }
  return true;
}

class LangTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetLanguage(); }
  void TearDown() override { ResetLanguage(); }

  std::string Write(const std::string& name, const std::string& text) {
    std::string path = Dir / name;
    WriteFileText(path, text);
    return path;
  }

  TTempDir Dir;
};

}  // namespace

// --- the table -------------------------------------------------------------

TEST(LangTable, KeyNamesRoundTrip) {
  std::set<std::string> seen;
  for (int i = 0; i < kMsgKeyCount; ++i) {
    std::string name(MsgKeyName(KeyAt(i)));
    EXPECT_EQ(name.rfind("MSG_", 0), 0u) << i;
    EXPECT_TRUE(seen.insert(name).second) << "duplicate " << name;
    auto found = FindMsgKey(name);
    ASSERT_TRUE(found.has_value()) << name;
    EXPECT_EQ(*found, KeyAt(i));
    EXPECT_FALSE(DefaultResStr(KeyAt(i)).empty()) << name << " has no English text";
  }
  
  EXPECT_EQ(kMsgKeyCount, 332);
  
  EXPECT_EQ(MsgKeyName(MSG_EXIT), "MSG_EXIT");
  EXPECT_EQ(MsgKeyName(MSG_Error), "MSG_Error");
  EXPECT_EQ(MsgKeyName(MSG_COPYRIGHT_WARNING), "MSG_COPYRIGHT_WARNING");
  EXPECT_EQ(FindMsgKey("msg_error"), MSG_Error);
  EXPECT_EQ(FindMsgKey("MSG_MSMPEG4V2"), MSG_MSMPEG4v2);
  EXPECT_FALSE(FindMsgKey("MSG_EXI").has_value());
  EXPECT_FALSE(FindMsgKey("").has_value());
  EXPECT_TRUE(MsgKeyName(kMsgKeyCount).empty());
  EXPECT_TRUE(ResStr(kMsgKeyCount).empty());
  EXPECT_TRUE(ResStr(KeyAt(-1)).empty());
}

// Texts other components format, show or compare byte for byte.
TEST(LangTable, EnglishDefaultsOfQuotedTexts) {
  struct TCase {
    TMsgKey Key;
    const char* Text;
  };
  const TCase cases[] = {
      {MSG_STATUS_FILES, "Summary: %d files"},
      {MSG_FORMAT_ERROR,
       "An error occurred while adding a file:\r\n\r\nThe file \"%s\" is damaged or the format is "
       "not supported."},
      {MSG_FILE_EXISTS, "File \"%s\" already exists.\r\n\r\nAre you sure you want to overwrite it?"},
      {MSG_NO_DAT_FILE, "Cannot find \"%s\".\r\n\r\nPlease reinstall this program and try again."},
      {MSG_NOENCODER, "The file \"%s\" couldn't be found."},
      {MSG_RENAMEFAILD,
       "Rename failed! Please check whether a profile with this name already exists."},
      {MSG_LAST_PROFILE_TITLE, "Cannot Be Deleted"},
      {MSG_LOW_Q, "Low quality,\nsmall size"},
      {MSG_HIGH_Q, "High quality,\nlarge size"},
      {MSG_HH_MN, "hh:mm:ss.xxx"},
      {MSG_SHUTDOWN_REAL_DOES, "\"Shut down the computer\" really does:"},
      {MSG_SHUTDOWN_AFTER, "Shut down the computer when done"},
      {MSG_INVALID_FILE_NAME,
       "The name you entered is not valid. Please note that a file name cannot contain any of the "
       "following characters:\n\r\n\r\\ / : * ? \" < > |"},
      {MSG_TRAY_HINT, "%s: %d%%"},
      {MSG_ID_WORKING, "Working on file %d of %d: %s"},
      {MSG_CONVERTING_IN, "Conversion in progress..."},
      {MSG_TRAY_CONVERT_COMPLETE, "Conversion complete!"},
      {MSG_INVAILD_VALUE_BETWEEN,
       "The value you entered is not valid. Please make sure the value is between %d and %d!"},
      {MSG_AMRWB, "AMR Wide-Band"},
      {MSG_CHANNELS_6, "6 (5.1 AC3 48000 Hz)"},
      {MSG_EMPTY_STR, "..."},
      {MSG_NO_DESCRIPTION, "No Description"},
      {MSG_ID_BATCH, "Batch="},
      {MSG_ID_STATUS, "Status="},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(ResStr(c.Key), c.Text) << MsgKeyName(c.Key);
    EXPECT_EQ(DefaultResStr(c.Key), c.Text) << MsgKeyName(c.Key);
  }
  // The advisories break their lines with LF CR.
  EXPECT_EQ(ResStr(MSG_MP4SELECTED).rfind("ATTENTION!\n\rThe MPEG-4 video codec provides", 0), 0u);
  EXPECT_NE(ResStr(MSG_AMRNBSELECTED).find("speech codec.\n\rSome mobile"), std::string::npos);
  EXPECT_NE(ResStr(MSG_AACSELECTED).find("others.\n\r\n\rHowever"), std::string::npos);
}

// --- NormaliseText ---------------------------------------------------------

TEST(LangNormalise, Cases) {
  struct TCase {
    const char* In;
    const char* Out;
  };
  const TCase cases[] = {
      {"", ""},
      {"   ", ""},
      {"Plain", "Plain"},
      {"first#13second", "first\r\nsecond"},
      {"two  blanks and a trailing blank ", "two blanks and a trailing blank"},
      {"  lead\t\ttabs \t mixed  ", "lead tabs mixed"},
      {"#13#13", "\r\n\r\n"},
      {"a #13 b", "a \r\n b"},
      {"#13", "\r\n"},
      {"#1 #133", "#1 \r\n3"},
      {"##13", "#\r\n"},
      {"100%% done", "100%% done"},
      // No-break spaces are text: kept at the ends and in runs.
      {"Taille\u00a0:", "Taille\u00a0:"},
      {"\u00a0x\u202f", "\u00a0x\u202f"},
      {"a  \u00a0\u00a0  b", "a \u00a0\u00a0 b"},
  };
  for (const TCase& c : cases) EXPECT_EQ(NormaliseText(c.In), c.Out) << '"' << c.In << '"';
}

// --- LoadLanguage ----------------------------------------------------------

TEST_F(LangTest, ValuesAreNormalisedAndStored) {
  struct TCase {
    const char* Line;  // as written below [LANGRES]
    TMsgKey Key;
    const char* Text;
  };
  const TCase cases[] = {
      {"MSG_HINT=Zwei#13Zeilen", MSG_HINT, "Zwei\r\nZeilen"},
      {"MSG_EXIT=Quitter  le   programme ", MSG_EXIT, "Quitter le programme"},
      {"MSG_OK=", MSG_OK, ""},
      {"MSG_YES=   ", MSG_YES, ""},
      {"msg_no=Nein", MSG_NO, "Nein"},
      {"  MSG_Error  =  Fehler  ", MSG_Error, "Fehler"},
      {"MSG_ID_BATCH=Lot=", MSG_ID_BATCH, "Lot="},
      {"MSG_TRAY_HINT=%s : %d %%", MSG_TRAY_HINT, "%s : %d %%"},
      {"MSG_LANG=Fran\xE7" "ais \x93" "X\x94", MSG_LANG, "Fran\xC3\xA7" "ais \xE2\x80\x9C" "X\xE2\x80\x9D"},
      {"MSG_SAVE=Gro\xC3\x9F", MSG_SAVE, "Gro\xC3\x9F"},
      {"MSG_FORMAT=Format\xA0:", MSG_FORMAT, "Format\u00a0:"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Line);
    ResetLanguage();
    ASSERT_TRUE(LoadLanguage(Write("case.ini", std::string("[LANGRES]\n") + c.Line + "\n")));
    EXPECT_EQ(ResStr(c.Key), c.Text);
  }
}

TEST_F(LangTest, HandEditedFilesLoad) {
  const std::string longText(200000, 'x');
  struct TCase {
    const char* Name;
    std::string Text;
    TMsgKey Key;
    std::string Expected;
  };
  const TCase cases[] = {
      {"BOM and CR LF", "\xEF\xBB\xBF[LANGRES]\r\nMSG_CANCEL=Annuler\r\n", MSG_CANCEL, "Annuler"},
      {"section in lower case", "; comment\n[langres]\nMSG_CANCEL=Abbrechen", MSG_CANCEL,
       "Abbrechen"},
      {"other sections ignored", "[Other]\nMSG_CANCEL=No\n[LANGRES]\nMSG_OK=Va bene\n[More]\n",
       MSG_CANCEL, "Cancel"},
      {"first of a doubled key", "[LANGRES]\nMSG_CANCEL=Eins\nMSG_CANCEL=Zwei\n", MSG_CANCEL,
       "Eins"},
      {"very long line", "[LANGRES]\nMSG_CANCEL=" + longText + "\n", MSG_CANCEL, longText},
      {"line without equals sign", "[LANGRES]\nMSG_CANCEL\nMSG_OK=D'accord\n", MSG_CANCEL,
       "Cancel"},
      {"control bytes", std::string("[LANGRES]\nMSG_CANCEL=a\x01") + '\0' + "b\n", MSG_CANCEL,
       std::string("a\x01") + '\0' + "b"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ResetLanguage();
    EXPECT_TRUE(LoadLanguage(Write("hand.ini", c.Text)));
    EXPECT_EQ(ResStr(c.Key), c.Expected);
  }
}

TEST_F(LangTest, FilesThatChangeNothing) {
  ASSERT_TRUE(LoadLanguage(Write("fr.ini", "[LANGRES]\nMSG_CANCEL=Annuler\n")));
  const std::vector<std::string> before = CurrentTexts();
  struct TCase {
    const char* Name;
    std::string Path;
  };
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 256);
  const TCase cases[] = {
      {"missing file", Dir / "missing.ini"},
      {"folder", Dir.Path()},
      {"empty file", Write("empty.ini", "")},
      {"no LANGRES section", Write("nosection.ini", "MSG_CANCEL=Abbrechen\n[Other]\nMSG_OK=x\n")},
      {"binary garbage", Write("garbage.ini", garbage)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_FALSE(LoadLanguage(c.Path));
    EXPECT_EQ(CurrentTexts(), before);
  }
  EXPECT_EQ(ResStr(MSG_CANCEL), "Annuler");
}

TEST_F(LangTest, PartialFileChangesExactlyItsKeys) {
  const std::vector<std::string> before = CurrentTexts();
  ASSERT_TRUE(LoadLanguage(Write("partial.ini",
                                 "[LANGRES]\nMSG_EXIT=Beenden\nMSG_FORMAT_WAV=Wave\n"
                                 "MSG_COPYRIGHT_WARNING=Hinweis\nMSG_NOT_A_KEY=ignored\n")));
  const std::set<TMsgKey> changed{MSG_EXIT, MSG_FORMAT_WAV, MSG_COPYRIGHT_WARNING};
  for (int i = 0; i < kMsgKeyCount; ++i) {
    if (changed.count(KeyAt(i)) != 0)
      EXPECT_NE(ResStr(KeyAt(i)), before[static_cast<size_t>(i)]) << MsgKeyName(KeyAt(i));
    else
      EXPECT_EQ(ResStr(KeyAt(i)), before[static_cast<size_t>(i)]) << MsgKeyName(KeyAt(i));
  }
  EXPECT_EQ(ResStr(MSG_FORMAT_WAV), "Wave");
}

// An old or downloaded language file may hold another edition's title or any
// address; the product's own stay, and the rest of the file still counts.
TEST_F(LangTest, EditionTextsAreNeverReadFromAFile) {
  const TEditionTexts& edition = EditionTexts(KINOVERT_EDITION);
  const TEditionTexts& other = EditionTexts((KINOVERT_EDITION + 1) % 4);
  const std::string home = ResStr(MSG_HOMEPAGE), support = ResStr(MSG_SUPPORT_MAIL);
  ASSERT_TRUE(LoadLanguage(Write("old.ini", std::string("[LANGRES]\nMSG_APPLICATION_TITLE=") +
                                                other.Title +
                                                "\nMSG_HOMEPAGE=https://elsewhere.test/"
                                                "\nmsg_support_mail=evil@elsewhere.test\n"
                                                "MSG_CANCEL=Annuler\n")));
  EXPECT_EQ(ResStr(MSG_APPLICATION_TITLE), edition.Title);
  EXPECT_EQ(ResStr(MSG_HOMEPAGE), home);
  EXPECT_EQ(ResStr(MSG_SUPPORT_MAIL), support);
  EXPECT_EQ(ResStr(MSG_CANCEL), "Annuler");
}

TEST_F(LangTest, SwitchingKeepsTextsTheNewFileLacks) {
  ASSERT_TRUE(LoadLanguage(Write("a.ini", "[LANGRES]\nMSG_CANCEL=Annuler\nMSG_OK=D'accord\n")));
  ASSERT_TRUE(LoadLanguage(Write("b.ini", "[LANGRES]\nMSG_OK=Va bene\n")));
  EXPECT_EQ(ResStr(MSG_CANCEL), "Annuler");
  EXPECT_EQ(ResStr(MSG_OK), "Va bene");
  ResetLanguage();
  EXPECT_EQ(ResStr(MSG_CANCEL), "Cancel");
  EXPECT_EQ(ResStr(MSG_OK), "OK");
}

// --- the shipped language files -------------------------------------------

TEST_F(LangTest, ShippedFilesAreCompleteAndKeepDirectives) {
  const std::string folder = KINOVERT_SOURCE_DIR "/data/skin/kvo/lang/";
  for (const char* name : {"english.ini", "french.ini", "deutsch.ini", "italian.ini"}) {
    SCOPED_TRACE(name);
    const std::string path = folder + name;
    TIniFile ini(path);
    ASSERT_TRUE(ini.SectionExists("LANGRES"));
    for (const std::string& key : ini.ReadSectionKeys("LANGRES"))
      EXPECT_TRUE(FindMsgKey(key).has_value()) << "unknown key " << key;

    ResetLanguage();
    ASSERT_TRUE(LoadLanguage(path));
    for (int i = 0; i < kMsgKeyCount; ++i) {
      const TMsgKey key = KeyAt(i);
      const std::string keyName(MsgKeyName(key));
      // The product's title and addresses are the edition's, not a language's.
      const bool edition = key == MSG_APPLICATION_TITLE || key == MSG_HOMEPAGE || key == MSG_SUPPORT_MAIL;
      EXPECT_EQ(ini.ValueExists("LANGRES", keyName), !edition) << keyName;
      if (edition) continue;
      const std::string raw = ini.ReadString("LANGRES", keyName, "");
      EXPECT_TRUE(IsValidUtf8Text(raw)) << keyName;
      // Blank runs and tabs would be lost on loading: a file should say what is shown.
      EXPECT_EQ(raw.find("  "), std::string::npos) << keyName;
      EXPECT_EQ(raw.find('\t'), std::string::npos) << keyName;
      EXPECT_FALSE(ResStr(key).empty()) << keyName;
      EXPECT_EQ(Directives(ResStr(key)), Directives(DefaultResStr(key))) << keyName;
    }
  }
}

TEST_F(LangTest, EnglishFileReproducesTheDefaults) {
  ASSERT_TRUE(LoadLanguage(KINOVERT_SOURCE_DIR "/data/skin/kvo/lang/english.ini"));
  for (int i = 0; i < kMsgKeyCount; ++i)
    EXPECT_EQ(ResStr(KeyAt(i)), AsLoadedFromFile(DefaultResStr(KeyAt(i)))) << MsgKeyName(KeyAt(i));
  // The only texts a file cannot reproduce byte for byte are the line breaks.
  EXPECT_EQ(ResStr(MSG_LOW_Q), "Low quality,\r\nsmall size");
  EXPECT_EQ(ResStr(MSG_FORMAT_ERROR), DefaultResStr(MSG_FORMAT_ERROR));
}

// What a translation keeps of the English text: a window lays out its lines,
// "..." says a dialog follows, ":" and "=" that a value does. A softened "!"
// is allowed.
TEST_F(LangTest, TranslationsKeepTheShapeOfTheEnglishText) {
  struct TShape {
    const char* What;
    std::string (*Of)(const std::string&);
  };
  const TShape shapes[] = {
      {"line breaks", [](const std::string& t) { return std::to_string(CountOf(t, "\r\n")); }},
      {"trailing ...", [](const std::string& t) { return EndsWith(t, "..."); }},
      {"trailing :", [](const std::string& t) { return EndsWith(t, ":"); }},
      {"trailing =", [](const std::string& t) { return EndsWith(t, "="); }},
  };
  for (const char* name : kTranslations) {
    SCOPED_TRACE(name);
    ResetLanguage();
    ASSERT_TRUE(LoadLanguage(kLangFolder + name));
    for (int i = 0; i < kMsgKeyCount; ++i) {
      const std::string english = AsLoadedFromFile(DefaultResStr(KeyAt(i)));
      for (const TShape& shape : shapes)
        EXPECT_EQ(shape.Of(ResStr(KeyAt(i))), shape.Of(english))
            << MsgKeyName(KeyAt(i)) << ": " << shape.What;
    }
  }
}

// French sets a space before ":;!?" and the percent sign and inside « »; a
// no-break one keeps the mark with its word when a message wraps, and it
// has to survive the file and the loader's blank handling.
TEST_F(LangTest, FrenchPunctuationStaysWithItsWord) {
  ASSERT_TRUE(LoadLanguage(kLangFolder + "french.ini"));
  for (int i = 0; i < kMsgKeyCount; ++i) {
    const std::string& text = ResStr(KeyAt(i));
    for (const char* loose : {" :", " ;", " !", " ?", " %%", "\u00ab ", " \u00bb"})
      EXPECT_EQ(text.find(loose), std::string::npos)
          << MsgKeyName(KeyAt(i)) << ": \"" << loose << "\" in " << text;
  }
  struct TCase {
    TMsgKey Key;
    const char* Part;
  };
  const TCase glued[] = {
      {MSG_ADPECTRATIO, "Proportions\u00a0:"},
      {MSG_NOFILES, "convertir\u202f!"},
      {MSG_OVERWRITE, "fichier\u202f?"},
      {MSG_FILE_EXISTS, "\u00ab\u00a0%s\u00a0\u00bb"},
      {MSG_TRAY_HINT, "%d\u202f%%"},
  };
  for (const TCase& c : glued)
    EXPECT_NE(ResStr(c.Key).find(c.Part), std::string::npos)
        << MsgKeyName(c.Key) << ": " << ResStr(c.Key);
}

TEST_F(LangTest, TranslationsTranslate) {
  // A file accidentally left in English would pass every other check.
  const std::string folder = KINOVERT_SOURCE_DIR "/data/skin/kvo/lang/";
  for (const char* name : {"french.ini", "deutsch.ini", "italian.ini"}) {
    SCOPED_TRACE(name);
    ResetLanguage();
    ASSERT_TRUE(LoadLanguage(folder + name));
    for (TMsgKey key : {MSG_CANCEL, MSG_CONVERT, MSG_NOFILES, MSG_FILE_EXISTS, MSG_ABORTENCODING,
                        MSG_WARNING_DETAIL, MSG_TRAY_MIN, MSG_SETTINGS_TITLE})
      EXPECT_NE(ResStr(key), AsLoadedFromFile(DefaultResStr(key))) << MsgKeyName(key);
  }
}

// One thing, one word: the media panel's short sample-rate label once read
// "Fréquence :" beside the editor's "Modifier la fréquence" for the frame rate.
TEST_F(LangTest, SampleRateAndFrameRateAreToldApart) {
  // The label without its colon, as a word to look for in the other captions.
  auto word = [](TMsgKey key) {
    std::string text = LowerCaseAscii(ResStr(key));
    for (const std::string tail : {":", "\u00a0", " "})
      if (text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0)
        text.resize(text.size() - tail.size());
    return text;
  };
  for (const char* name : {"english.ini", "french.ini", "deutsch.ini", "italian.ini"}) {
    SCOPED_TRACE(name);
    ResetLanguage();
    ASSERT_TRUE(LoadLanguage(kLangFolder + name));
    const std::string sampling = word(MSG_SAMPLINGRATE), frames = word(MSG_FRAMERATE);
    for (TMsgKey key : {MSG_FRAMERATE, MSG_FRAMETRATE, MSG_CHANGE_FRAMERATE})
      EXPECT_EQ(LowerCaseAscii(ResStr(key)).find(sampling), std::string::npos) << MsgKeyName(key);
    for (TMsgKey key : {MSG_SAMPLINGRATE, MSG_SAMPLERATE})
      EXPECT_EQ(LowerCaseAscii(ResStr(key)).find(frames), std::string::npos) << MsgKeyName(key);
  }
}

// The program calls itself "programme" and "programma" everywhere.
TEST_F(LangTest, TheProgramHasOneName) {
  const std::pair<const char*, const char*> other[] = {{"french.ini", "application"},
                                                       {"italian.ini", "applicazione"}};
  for (const auto& [name, word] : other) {
    ResetLanguage();
    ASSERT_TRUE(LoadLanguage(kLangFolder + name));
    for (int i = 0; i < kMsgKeyCount; ++i)
      EXPECT_EQ(LowerCaseAscii(ResStr(KeyAt(i))).find(word), std::string::npos)
          << name << " " << MsgKeyName(KeyAt(i)) << ": " << ResStr(KeyAt(i));
  }
}

// --- the language menu -----------------------------------------------------

TEST_F(LangTest, LanguageFileNameCaseIsIgnored) {
  Write("Deutsch.ini", "[LANGRES]\nMSG_CANCEL=Abbrechen\n");
  // The menu item "DEUTSCH" stands for "DEUTSCH.ini".
  ASSERT_TRUE(LoadLanguage(Dir / LanguageFileOfCaption("DEUTSCH")));
  EXPECT_EQ(ResStr(MSG_CANCEL), "Abbrechen");
  // An exact name wins over one that differs in case.
  Write("DEUTSCH.ini", "[LANGRES]\nMSG_CANCEL=Exakt\n");
  ASSERT_TRUE(LoadLanguage(Dir / "DEUTSCH.ini"));
  EXPECT_EQ(ResStr(MSG_CANCEL), "Exakt");
  EXPECT_FALSE(LoadLanguage(Dir / "deutsch.dat"));
  EXPECT_FALSE(LoadLanguage(Dir / "nowhere/deutsch.ini"));
}

TEST_F(LangTest, ListLanguageFiles) {
  Write("italian.ini", "");
  Write("Deutsch.INI", "");
  Write("english.ini", "");
  Write("notes.txt", "");
  Write(".ini", "");
  Write("french.ini.bak", "");
  std::filesystem::create_directory(Dir / "folder.ini");
  EXPECT_EQ(ListLanguageFiles(Dir.Path()),
            (std::vector<std::string>{"Deutsch.INI", "english.ini", "italian.ini"}));
  EXPECT_TRUE(ListLanguageFiles(Dir / "missing").empty());
  EXPECT_EQ(ListLanguageFiles(KINOVERT_SOURCE_DIR "/data/skin/kvo/lang"),
            (std::vector<std::string>{"deutsch.ini", "english.ini", "french.ini", "italian.ini"}));
}

TEST(LangMenu, CaptionsAndFiles) {
  struct TCase {
    const char* File;
    const char* Caption;
  };
  const TCase captions[] = {
      {"english.ini", "ENGLISH"},
      {"Deutsch.ini", "DEUTSCH"},
      {"Italian.INI", "ITALIAN"},
      {"pt_br.ini", "PT_BR"},
      {"español.ini", "ESPAñOL"},  // only ASCII letters change case
  };
  for (const TCase& c : captions) EXPECT_EQ(LanguageCaption(c.File), c.Caption) << c.File;

  EXPECT_EQ(LanguageFileOfCaption("DEUTSCH"), "DEUTSCH.ini");
  EXPECT_EQ(LanguageFileOfCaption("&FRENCH"), "FRENCH.ini");
  EXPECT_EQ(LanguageFileOfCaption("R&&D"), "RD.ini");

  struct TCheck {
    const char* Caption;
    const char* LanguageFile;
    bool Checked;
  };
  const TCheck checks[] = {
      {"DEUTSCH", "deutsch.ini", true},  {"&DEUTSCH", "Deutsch.INI", true},
      {"DEUTSCH", "deutsch.dat", false}, {"FRENCH", "deutsch.ini", false},
      {"ENGLISH", "english", false},
  };
  for (const TCheck& c : checks)
    EXPECT_EQ(IsCurrentLanguage(c.Caption, c.LanguageFile), c.Checked) << c.Caption << " " << c.LanguageFile;
}
