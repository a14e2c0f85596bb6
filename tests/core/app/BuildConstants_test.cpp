// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BuildConstants.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "app/ProgramFolder.h"
#include "base/FileNames.h"
#include "lang/ResStr.h"

TEST(BuildConstants, Editions) {
  const char* titles[] = {"Kinovert Video Converter", "Kinovert 3GP Converter",
                          "Kinovert PSP Converter", "Kinovert iPod Converter"};
  for (int e = 0; e < 4; ++e) EXPECT_EQ(ProductTitle(e), titles[e]);
  EXPECT_EQ(ProductTitle(7), titles[0]);
  EXPECT_EQ(ProductTitle(), ProductTitle(BuildEdition()));
  EXPECT_EQ(VersionText(), KINOVERT_VERSION_TEXT);
}

TEST(BuildConstants, Languages) {
  const char* files[] = {"english.ini", "french.ini", "deutsch.ini", "italian.ini"};
  const char* help[] = {"en_help", "fr_help", "de_help", "it_help"};
  const char* trees[] = {"profile_en", "profile_fr", "profile_de", "profile_it"};
  for (int l = 0; l < 4; ++l) {
    EXPECT_EQ(LanguageFileOf(l), files[l]);
    EXPECT_EQ(HelpFolderName(l), help[l]);
    EXPECT_EQ(ProfileFolderName(files[l]), trees[l]);
  }
  EXPECT_EQ(DefaultLanguageFile(), LanguageFileOf(BuildLanguage()));
  // Compared without regard to case; any other language keeps the plain tree.
  EXPECT_EQ(ProfileFolderName("English.ini"), "profile_en");
  EXPECT_EQ(ProfileFolderName("ITALIAN.INI"), "profile_it");
  EXPECT_EQ(ProfileFolderName("espanol.ini"), "profile");
  EXPECT_EQ(ProfileFolderName("english"), "profile");
}

TEST(ProgramFolder, Layout) {
  SetProgramFolder("/opt/kinovert");
  EXPECT_EQ(ProgramFolder(), "/opt/kinovert/");
  EXPECT_EQ(LanguageFolder(), "/opt/kinovert/skin/kvo/lang/");
  EXPECT_EQ(SkinFilePath(), "/opt/kinovert/skin/kvo/skin/skin.ini");
  EXPECT_EQ(DirectShowTemplatePath(), "/opt/kinovert/profile_en/DirectShow.avs");
  EXPECT_EQ(DeviceDirectShowTemplatePath(), "/opt/kinovert/cores/DirectShow.avs");
  EXPECT_EQ(HelpTopicPath(kHelpQuickStartTopic), "/opt/kinovert/skin/kvo/lang/" +
                                                     HelpFolderName(BuildLanguage()) +
                                                     "/The user interface (Overview).html");
  SetProgramFolder("");
}

TEST(ProgramFolder, RelativeNamesAreMadeAbsoluteOnce) {
  char cwd[4096];
  ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
  SetProgramFolder("some/home/../home");
  EXPECT_EQ(ProgramFolder(), std::string(cwd) + "/some/home/");
  SetProgramFolder("");
  ::setenv("KINOVERT_HOME", "rel", 1);
  std::string first = ProgramFolder();
  ASSERT_EQ(::chdir("/"), 0);
  EXPECT_EQ(ProgramFolder(), first);  // a later change of folder does not move it
  EXPECT_EQ(first, std::string(cwd) + "/rel/");
  ASSERT_EQ(::chdir(cwd), 0);
  ::unsetenv("KINOVERT_HOME");
}

// A build that names no addresses opens pages of its own help, which exist in
// every language; the text table shows the title and what the About box
// shows, in every shipped language.
TEST(BuildConstants, AddressesAreTheBuildsOrTheHelpPages) {
  const std::string source = KINOVERT_SOURCE_DIR "/data/skin/kvo/lang/";
  SetProgramFolder(KINOVERT_SOURCE_DIR "/data");
  EXPECT_EQ(HomePageIsHelp(), BuiltHomePage().empty());
  EXPECT_EQ(SupportIsHelp(), BuiltSupportAddress().empty());
  if (HomePageIsHelp()) {
    EXPECT_EQ(HomePageAddress(), HelpTopicPath("Introduction.html"));
    EXPECT_GE(FileSize64(HomePageAddress()), 0) << HomePageAddress();
  } else {
    EXPECT_EQ(HomePageAddress(), BuiltHomePage());
  }
  if (SupportIsHelp()) {
    EXPECT_EQ(SupportAddress(), HelpTopicPath("Troubleshooting.html"));
    EXPECT_GE(FileSize64(SupportAddress()), 0) << SupportAddress();
  } else {
    EXPECT_EQ(SupportAddress(), BuiltSupportAddress());
  }
  for (int l = 0; l < 4; ++l)
    for (const char* page : {kHelpIntroductionTopic, kHelpTroubleshootingTopic})
      EXPECT_GE(FileSize64(source + HelpFolderName(l) + "/" + page), 0) << l << page;
  SetProgramFolder("");
  const std::string folder = source;
  for (const char* file : {"", "english.ini", "french.ini", "deutsch.ini", "italian.ini"}) {
    SCOPED_TRACE(file);
    ResetLanguage();
    if (*file != 0) {
      ASSERT_TRUE(LoadLanguage(folder + file));
    }
    EXPECT_EQ(ResStr(MSG_APPLICATION_TITLE), ProductTitle());
    EXPECT_EQ(ResStr(MSG_HOMEPAGE), HomePageIsHelp() ? DefaultResStr(MSG_HELP_HOME_LINK)
                                                     : ShownAddress(BuiltHomePage()));
    EXPECT_EQ(ResStr(MSG_SUPPORT_MAIL), SupportIsHelp() ? DefaultResStr(MSG_HELP_SUPPORT_LINK)
                                                        : ShownAddress(BuiltSupportAddress()));
  }
  ResetLanguage();
}

TEST(BuildConstants, ShownAddresses) {
  EXPECT_EQ(ShownAddress("mailto:help@kinovert.test"), "help@kinovert.test");
  EXPECT_EQ(ShownAddress("MAILTO:help@kinovert.test"), "help@kinovert.test");
  EXPECT_EQ(ShownAddress("https://kinovert.test/help"), "https://kinovert.test/help");
  EXPECT_EQ(ShownAddress("mailto:"), "mailto:");
}
