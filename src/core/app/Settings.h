// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The user's settings: "info.ini" in the program folder, or in the user's
// XDG config folder when the program is installed (UserFolders.h). Section
// "System" holds the settings fields of GlobalVars, section "Form" the main
// window's placement (WindowPlacement.h).

std::string SettingsFilePath();

// The user's documents folder: the XDG documents folder ($XDG_DOCUMENTS_DIR,
// else the entry in user-dirs.dirs) when it exists, else the home folder;
// "" when there is neither. No trailing "/".
std::string DocumentsFolder();

// The start values the settings fields and the derived fields get before the
// settings file is read: OutputFormat 2 (3GP, as on every later start, so
// the first start shows the layout it converts with), EncoderPath "avcore",
// Priority 1, ShutdownFlag 1, the three switches off, LanguageFile of the
// build language, both last folders = the documents folder, no device
// profile, both device menu indexes 0.
void ApplySettingDefaults();

// Reads "info.ini" into GlobalVars when it exists and returns true; it then
// also sets OutputFormat to 2 (3GP), whatever was chosen before. Each key
// missing from the file keeps the field's current value; Priority and
// ShutdownFlag keep the low 8 bits of a larger stored value. A LanguageFile
// that is empty or names a folder keeps the current one. Never writes.
bool ReadSettings();

// The start-up read: ReadSettings, and on the very first start (no file yet)
// SaveSettings writes the defaults and the result is false.
// Throws EKinovertError when that first file cannot be written.
bool LoadSettings();

// Writes every key of section "System" from GlobalVars; other sections and
// lines of the file stay. Throws EKinovertError when the file cannot be written.
void SaveSettings();

// Write one value to the settings file at once.
void WriteSettingInteger(const std::string& section, const std::string& key, int64_t value);
void WriteSettingText(const std::string& section, const std::string& key, const std::string& value);
