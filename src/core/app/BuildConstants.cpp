// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BuildConstants.h"

#include <array>

#include "app/ProgramFolder.h"
#include "lang/ResStr.h"

static_assert(KINOVERT_LANGUAGE >= 0 && KINOVERT_LANGUAGE <= 3,
              "KINOVERT_LANGUAGE must be 0 (English), 1 (French), 2 (German) or 3 (Italian)");
static_assert(KINOVERT_EDITION >= 0 && KINOVERT_EDITION <= 3, "KINOVERT_EDITION must be 0..3");

namespace {

size_t LanguageIndex(int language) {
  return language >= 0 && language < 4 ? static_cast<size_t>(language) : 0;
}

}  // namespace

int BuildLanguage() {
  return KINOVERT_LANGUAGE;
}
int BuildEdition() {
  return KINOVERT_EDITION;
}
std::string VersionText() {
  return KINOVERT_VERSION_TEXT;
}

std::string LanguageFileOf(int language) {
  static constexpr std::array<const char*, 4> kFiles = {"english.ini", "french.ini", "deutsch.ini",
                                                        "italian.ini"};
  return kFiles[LanguageIndex(language)];
}

std::string DefaultLanguageFile() {
  return LanguageFileOf(BuildLanguage());
}

std::string HelpFolderName(int language) {
  static constexpr std::array<const char*, 4> kFolders = {"en_help", "fr_help", "de_help",
                                                          "it_help"};
  return kFolders[LanguageIndex(language)];
}

std::string HelpFolderPath() {
  return LanguageFolder() + HelpFolderName(BuildLanguage()) + "/";
}

std::string HelpTopicPath(const std::string& topic) {
  return HelpFolderPath() + topic;
}

std::string ProductTitle(int edition) {
  return EditionTexts(edition).Title;
}
std::string ProductTitle() {
  return ProductTitle(BuildEdition());
}

bool HomePageIsHelp() {
  return BuiltHomePage().empty();
}
bool SupportIsHelp() {
  return BuiltSupportAddress().empty();
}
std::string HomePageAddress() {
  return HomePageIsHelp() ? HelpTopicPath(kHelpIntroductionTopic) : std::string(BuiltHomePage());
}
std::string SupportAddress() {
  return SupportIsHelp() ? HelpTopicPath(kHelpTroubleshootingTopic)
                         : std::string(BuiltSupportAddress());
}
