// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The program folder holds the executables and every data file. It is the
// folder of the running executable, unless KINOVERT_HOME names another one or
// the caller chose one (kinovert-cli --home, tests). Always absolute (a
// relative name is resolved once, against the folder the program started in,
// since children run elsewhere) and ends with "/".
std::string ProgramFolder();

// Overrides the program folder for the rest of the run; "" returns to the default.
void SetProgramFolder(const std::string& folder);

// The layout of the program folder; every folder path ends with "/".

// The encoder, relative to the program folder (the default EncoderPath).
inline constexpr const char* kEncoderFileName = "avcore";
// Language files (any "*.ini"), type files and help folders.
std::string LanguageFolder();
// The main window's skin layout.
std::string SkinFilePath();
// The profile tree of a language file: "profile_en", "profile_fr",
// "profile_de" or "profile_it" for english.ini, french.ini, deutsch.ini and
// italian.ini in any letter case, "profile" for any other (no "/").
std::string ProfileFolderName(const std::string& languageFile);
// The DirectShow script templates: of the direct route (always from the
// English tree) and of the device batch route.
std::string DirectShowTemplatePath();
std::string DeviceDirectShowTemplatePath();
