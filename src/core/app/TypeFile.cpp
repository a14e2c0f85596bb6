// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TypeFile.h"

#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "base/FileNames.h"
#include "base/IniFile.h"
#include "base/TextUtil.h"
#include "base/Utf8.h"
#include "lang/ResStr.h"

std::string TypeFilePath() {
  // Looked for in any letter case; when there is none, the name is given in
  // lower case, as the type files ship, so a message names the real file and
  // not the capitals of a language menu entry.
  return FindFileIgnoringCase(LanguageFolder(), LowerCaseAscii(ChangeFileExtension(
                                                    "type_" + GlobalVars.LanguageFile, ".dat")));
}

bool LoadTypeFile() {
  std::string path = TypeFilePath();
  GlobalVars.AVSExt.clear();
  GlobalVars.InputFileTypes.clear();
  if (FileSize64(path) < 0) return false;
  LoadTypeFileFrom(TIniFile(path));
  return true;
}

void LoadTypeFileFrom(const TIniFile& ini) {
  GlobalVars.AVSExt.clear();
  GlobalVars.InputFileTypes.clear();
  for (int n = 1;; ++n) {
    std::string ext = ini.ReadString("AVSExt", std::to_string(n), "<none>");
    if (ext == "<none>") break;
    GlobalVars.AVSExt.push_back(DataFileText(ext));
  }
  for (const auto& [description, patterns] : ini.ReadSectionValues("InputFileTypes"))
    GlobalVars.InputFileTypes.push_back(DataFileText(description + "=" + patterns));
}

std::vector<std::pair<std::string, std::string>> InputFileTypeEntries() {
  std::vector<std::pair<std::string, std::string>> out;
  for (const std::string& line : GlobalVars.InputFileTypes) {
    size_t eq = line.find('=');
    if (eq == std::string::npos)
      out.emplace_back(line, "");
    else
      out.emplace_back(line.substr(0, eq), line.substr(eq + 1));
  }
  return out;
}

std::string InputFilter() {
  std::string filter;
  for (const auto& [description, patterns] : InputFileTypeEntries())
    filter += description + "|" + patterns + "|";
  return filter + ResStr(MSG_ALLFILES) + "|*.*";
}

bool IsKnownInputType(const std::string& extension) {
  // A lone dot is what a name ending in "." has: no extension at all, yet it
  // would match every pattern.
  if (extension.empty() || extension == ".") return false;
  // The patterns are prepared once per type file, not on every call: a list
  // of a thousand files asks a thousand times. Joined with NUL, which no
  // extension holds, a match can never span two lines.
  static std::vector<std::string> preparedFrom;
  static std::string patterns;
  if (preparedFrom != GlobalVars.InputFileTypes) {
    preparedFrom = GlobalVars.InputFileTypes;
    patterns.clear();
    for (const auto& entry : InputFileTypeEntries()) (patterns += LowerCaseAscii(entry.second)) += '\0';
  }
  return patterns.find(LowerCaseAscii(extension)) != std::string::npos;
}
