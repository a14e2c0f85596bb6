// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

// The type file of a language lists the input formats the program reads
// (section "InputFileTypes": description=patterns lines for the open dialog)
// and the extensions that always go through the DirectShow script (section
// "AVSExt": keys 1, 2, 3, ... each one extension with its dot).

// The language folder + "type_" + LanguageFile with its extension replaced by
// ".dat" (type_english.dat for english.ini). Found in any letter case, so the
// "English.ini" of the language menu still finds type_english.dat; a missing
// one is named in lower case, as the shipped ones are (type_french.dat for
// the menu's "FRENCH.ini").
std::string TypeFilePath();

// Fills GlobalVars.AVSExt (up to the first missing key or "<none>") and
// GlobalVars.InputFileTypes (every description=patterns line in file order).
// Like a language file's texts, each value is taken as UTF-8, or as
// Windows-1252 when it is not valid UTF-8 (files written by older editors).
// False, with both lists empty, when the type file does not exist.
bool LoadTypeFile();
// The same from a type file already in memory.
void LoadTypeFileFrom(const class TIniFile& ini);

// The open-dialog filter: description|patterns| for every line, then
// MSG_ALLFILES|*.*.
std::string InputFilter();

// The lines of InputFileTypes as description and patterns.
std::vector<std::pair<std::string, std::string>> InputFileTypeEntries();

// True when the lower-case extension (with its dot) occurs within the
// lower-case patterns of some line, so ".mp" is known through "*.mpg". False
// for an empty extension or a lone ".".
bool IsKnownInputType(const std::string& extension);
