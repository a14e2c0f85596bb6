// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli list, and the names it offers when one is mistyped.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/RunProgram.h"

namespace fs = std::filesystem;

namespace {

const std::string Cli = KINOVERT_PROGRAM_DIR "/kinovert-cli";

// A program folder with a small profile tree of its own.
struct TTree {
  TTempDir Home;
  TTree() {
    fs::create_directories(Home / "profile_en/mp3");
    fs::create_directories(Home / "profile_en/default_setting");
    WriteFileText(Home / "profile_en/mp3/b.mpo", "[General]\nDescription=Beta, the second\n");
    WriteFileText(Home / "profile_en/mp3/Alpha one.MPO",
                  "[General]\nDescription=First \xC3\xA0 show\n");
    WriteFileText(Home / "profile_en/mp3/Plain.mpo", "[General]\nAudioCodec=0\n");
    WriteFileText(Home / "profile_en/default_setting/phone.ini",
                  "[Info]\nTitleE=A 3GPP phone\n[Item1]\nTitleE=Small\n[Extra]\nTitleE=x\n"
                  "[Item2]\nTitleE=Large\n");
    WriteFileText(Home / "profile_en/default_setting/box.ini",
                  "[Info]\nTitleE=Set-top box\n[Item1]\nTitleE=Only\n");
  }
  TRunResult List(const std::vector<std::string>& more = {}) const {
    std::vector<std::string> args = {"--home", Home.Path(), "list"};
    args.insert(args.end(), more.begin(), more.end());
    return RunProgram(Cli, args);
  }
};

}  // namespace

TEST(CmdList, OneTarget) {
  TTree tree;
  TRunResult r = tree.List({"--target", "mp3"});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_EQ(r.Out,
            "MP3 profiles (--profile NAME):\n"
            "  Alpha one  First \xC3\xA0 show\n"
            "  b          Beta, the second\n"
            "  Plain\n");
  r = tree.List({"-t", "3GP"});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_EQ(r.Out,
            "3GP device presets (--device FILE --item SECTION):\n"
            "  phone.ini  A 3GPP phone  [3GP]\n"
            "      Item1  Small\n"
            "      Item2  Large\n");
}

// Profiles and presets are shared files: what they hold reaches the terminal
// without its control characters, and the columns line up as it draws them.
TEST(CmdList, WhatFilesHoldIsShownSafelyInColumns) {
  TTree tree;
  WriteFileText(tree.Home / "profile_en/mp3/\xE6\x97\xA5\xE6\x9C\xAC.mpo",
                "[General]\nDescription=Wide\n");
  WriteFileText(tree.Home / "profile_en/mp3/Evil\x1b[31m.mpo",
                "[General]\nDescription=Clears\x1b[2J\x07 it\n");
  WriteFileText(tree.Home / "profile_en/default_setting/phone.ini",
                "[Info]\nTitleE=A 3GPP\x1b]0;x\x07 phone\n[Item1]\nTitleE=Small\x1b[5m\n");
  TRunResult r = tree.List({"--target", "mp3"});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_EQ(r.Out,
            "MP3 profiles (--profile NAME):\n"
            "  Alpha one  First \xC3\xA0 show\n"
            "  b          Beta, the second\n"
            "  Evil\uFFFD[31m  Clears\uFFFD[2J\uFFFD it\n"
            "  Plain\n"
            "  \u65E5\u672C       Wide\n");
  r = tree.List({"-t", "3gp"});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_EQ(r.Out,
            "3GP device presets (--device FILE --item SECTION):\n"
            "  phone.ini  A 3GPP\uFFFD]0;x\uFFFD phone  [3GP]\n"
            "      Item1  Small\uFFFD[5m\n");
}

TEST(CmdList, EveryTarget) {
  TTree tree;
  TRunResult r = tree.List();
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  std::vector<std::string> headings;
  size_t start = 0;
  for (size_t nl; (nl = r.Out.find('\n', start)) != std::string::npos; start = nl + 1)
    if (r.Out[start] != ' ' && nl > start) headings.push_back(r.Out.substr(start, nl - start));
  const std::vector<std::string> expected = {
      "AVI profiles (--profile NAME):",
      "MP4 device presets (--device FILE --item SECTION):",
      "3GP device presets (--device FILE --item SECTION):",
      "MPEG profiles (--profile NAME):",
      "MOV profiles (--profile NAME):",
      "WMV profiles (--profile NAME):",
      "RM profiles (--profile NAME):",
      "SWF profiles (--profile NAME):",
      "VOB profiles (--profile NAME):",
      "ASF profiles (--profile NAME):",
      "AAC profiles (--profile NAME):",
      "AC3 profiles (--profile NAME):",
      "MP2 profiles (--profile NAME):",
      "MP3 profiles (--profile NAME):",
      "AMR profiles (--profile NAME):",
      "WAV profiles (--profile NAME):",
      "Other device presets, in no device menu (--device FILE --item SECTION):",
  };
  EXPECT_EQ(headings, expected) << r.Out;
  EXPECT_NE(r.Out.find("AVI profiles (--profile NAME):\n  (none)\n"), std::string::npos);
  EXPECT_NE(r.Out.find("  phone.ini  A 3GPP phone  [3GP]\n"), std::string::npos);
  EXPECT_NE(r.Out.find("\n  box.ini  Set-top box  [other]\n      Item1  Only\n"), std::string::npos)
      << r.Out;
}

// A near miss is answered with what there is, the nearest name first.
TEST(CmdList, MistypedNamesSuggestTheNearest) {
  TTempDir dir;
  const std::string out = dir / "out", in = dir / "in.avi";
  struct TCase {
    std::vector<std::string> Args;
    std::string Says;
  } cases[] = {
      {{"convert", "-t", "mp3", "-p", "Standrad", "-o", out, in},
       "no MP3 profile 'Standrad' (did you mean 'Standard'?); the MP3 profiles are Standard, "
       "Top quality"},
      {{"convert", "-t", "mp3", "-p", "standard", "-o", out, in}, "(did you mean 'Standard'?)"},
      {{"convert", "-t", "mp3", "-p", "Loud", "-o", out, in},
       "no MP3 profile 'Loud'; the MP3 profiles are Standard, Top quality"},
      {{"convert", "-t", "3gp", "-d", "3gpp_h236_amr.ini", "-i", "Item1", "-o", out, in},
       "no device preset '3gpp_h236_amr.ini' (did you mean '3gpp_h263_amr.ini'?); the 3GP device "
       "presets are 3gp2_mpeg4_aac.ini, 3gpp_h263_amr.ini, 3gpp_mpeg4_aac.ini"},
      {{"convert", "-t", "3gp", "-d", "3gpp_h263_amr.ini", "-i", "item2", "-o", out, in},
       "has no item 'item2' (did you mean 'Item2'?); its items are Item1 ("},
      {{"convert", "-t", "mp33", "-p", "Standard", "-o", out, in}, "(did you mean 'MP3'?)"},
      {{"conver", "-t", "mp3"}, "unknown command 'conver' (did you mean 'convert'?)"},
      {{"convert", "--outptu", out}, "unknown option --outptu (did you mean '--output'?)"},
      {{"convert", "--de", "x"}, "option --de is ambiguous (--device, --delete-source)"},
      {{"convert", "--delete-source=yes"}, "option --delete-source takes no value"},
      {{"convert", "-x"}, "unknown option -x"},
      {{"convert", "-t"}, "option --target needs a value"},
      {{"convert", "--progress=jsno", "-t", "mp3", "-p", "Standard", "-o", out, in},
       "(did you mean 'json'?)"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Says);
    TRunResult r = RunProgram(Cli, c.Args);
    EXPECT_EQ(r.ExitCode, 2);
    EXPECT_NE(r.Err.find(c.Says), std::string::npos) << r.Err;
    EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
  }
  EXPECT_FALSE(fs::exists(out));
}

// A language of the settings that is gone: the build language's profile
// tree is listed, and stderr says what is missing and what is used.
TEST(CmdList, AChosenLanguageThatIsGone) {
  TTree tree;
  fs::create_directories(tree.Home / "skin/kvo/lang");
  WriteFileText(tree.Home / "skin/kvo/lang/type_english.dat", "[InputFileTypes]\nVideo=*.avi\n");
  WriteFileText(tree.Home / "info.ini", "[System]\nLanguageFile=klingon.ini\n");
  TRunResult r = tree.List({"--target", "mp3"});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_NE(r.Out.find("Alpha one"), std::string::npos) << r.Out;
  EXPECT_NE(r.Err.find("kinovert-cli: The file \"" + tree.Home / "skin/kvo/lang/klingon.ini" +
                       "\" of the language chosen in the settings cannot be found, so the "
                       "program uses \"english.ini\" instead.\n"),
            std::string::npos)
      << r.Err;
}

// An installed program whose user's data folder cannot be written lists the
// shipped profiles; a conversion, the one that would copy them, says which
// folder could not be written and why.
TEST(CmdList, InstalledWithADataFolderThatCannotBeWritten) {
  TTree tree;
  WriteFileText(tree.Home / "installed", "");
  TTempDir home;
  WriteFileText(home / "file", "");
  const std::vector<std::string> env = {"HOME=" + home.Path(),
                                        "XDG_DATA_HOME=" + home / "file/data"};
  TRunResult r = RunProgram(Cli, {"--home", tree.Home.Path(), "list", "--target", "mp3"}, env);
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_NE(r.Out.find("Alpha one"), std::string::npos) << r.Out;
  r = RunProgram(Cli,
                 {"--home", tree.Home.Path(), "convert", "--target", "mp3", "--profile", "Alpha one",
                  "--output", home / "out", "--", home / "missing.avi"},
                 env);
  EXPECT_NE(r.Err.find("\"" + home / "file/data/kinovert/profile_en/\" could not be written (Not a "
                                     "directory). The profiles shipped with the program are used"),
            std::string::npos)
      << r.Err;
}

// Asking is not using: for an installed program, listing, completing and
// showing the settings write nothing into the user's folders, and the
// listing and completion offer the shipped profiles the user's tree would
// be seeded with.
TEST(CmdList, InstalledListingWritesNothingForTheUser) {
  TTree tree;
  WriteFileText(tree.Home / "installed", "");
  struct TCase {
    std::vector<std::string> Args;
    const char* Shows;
  } cases[] = {
      {{"list"}, "Alpha one"},
      {{"list", "--target", "3gp"}, "phone.ini"},
      {{"settings"}, "ProfileRoot="},
      {{"__complete", "convert", "-t", "mp3", "-p", "A"}, "Alpha one"},
      {{"__complete", "convert", "-t", "3gp", "-d", "phone.ini", "-i", ""}, "Item2"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Args.front() + " " + c.Args.back());
    TTempDir home;
    // The completion's words come after its command name.
    std::vector<std::string> args = c.Args;
    args.insert(args.begin() + (args.front() == "__complete" ? 1 : 0), {"--home", tree.Home.Path()});
    TRunResult r = RunProgram(Cli, args,
                              {"HOME=" + home.Path(), "XDG_CONFIG_HOME=" + home / "config",
                               "XDG_DATA_HOME=" + home / "data"});
    EXPECT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_NE(r.Out.find(c.Shows), std::string::npos) << r.Out;
    EXPECT_TRUE(fs::is_empty(home.Path())) << fs::directory_iterator(home.Path())->path();
  }
}
