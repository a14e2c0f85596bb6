// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What the program is built as: chosen with the CMake cache entries
// KINOVERT_LANGUAGE, KINOVERT_EDITION, KINOVERT_VERSION_TEXT,
// KINOVERT_HOME_PAGE and KINOVERT_SUPPORT_ADDRESS, never changed at run time.

// 0 English, 1 French, 2 German, 3 Italian.
int BuildLanguage();
// 0..3: decides the product title and the device menus.
int BuildEdition();
// Shown after "version:" in the title bar, e.g. "2.3".
std::string VersionText();

// The language file a build language starts with: "english.ini",
// "french.ini", "deutsch.ini" or "italian.ini"; English for any other index.
std::string LanguageFileOf(int language);
std::string DefaultLanguageFile();

// The help of a build language: a folder of HTML pages ("en_help", "fr_help",
// "de_help", "it_help") in the language folder. It does not follow a language
// chosen later in the language menu.
std::string HelpFolderName(int language);
std::string HelpFolderPath();
// The topics the Help Content and Quick Start actions open.
inline constexpr const char* kHelpIntroductionTopic = "Introduction.html";
inline constexpr const char* kHelpQuickStartTopic = "The user interface (Overview).html";
// The page the support entries open when the build names no address.
inline constexpr const char* kHelpTroubleshootingTopic = "Troubleshooting.html";
std::string HelpTopicPath(const std::string& topic);

// Per edition (any other index gets edition 0's title).
std::string ProductTitle(int edition);
std::string ProductTitle();

// What Online Resources and Contact Technical Support open, and the About
// box links to: the build's home page and support address (https: or
// mailto:), or, where the build names none, the start page and the
// troubleshooting page of the shipped help.
std::string HomePageAddress();
std::string SupportAddress();
bool HomePageIsHelp();
bool SupportIsHelp();
