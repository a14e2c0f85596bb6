// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Settings.h"

#include <cstdlib>

#include "base/AtomicFile.h"
#include "app/BuildConstants.h"
#include "base/FileNames.h"
#include "base/IniFile.h"
#include "app/ProgramFolder.h"
#include "app/GlobalVars.h"
#include "app/UserFolders.h"

namespace {

constexpr const char* kSystem = "System";

std::string EnvOrEmpty(const char* name) {
  const char* v = std::getenv(name);
  return v == nullptr ? std::string() : std::string(v);
}

// The value of XDG_DOCUMENTS_DIR="..." in user-dirs.dirs, with $HOME expanded
// and backslash escapes undone; "" when the file or the entry is missing.
std::string UserDirsDocuments(const std::string& home) {
  std::string text;
  if (!ReadWholeFile(XdgConfigHome() + "user-dirs.dirs", text)) return {};
  std::string_view rest(text);
  while (!rest.empty()) {
    size_t nl = rest.find('\n');
    std::string_view line = rest.substr(0, nl);
    rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
    size_t b = line.find_first_not_of(" \t");
    if (b == std::string_view::npos) continue;
    line.remove_prefix(b);
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
    if (line.substr(0, kKey.size()) != kKey) continue;
    line.remove_prefix(kKey.size());
    std::string value;
    for (size_t i = 0; i < line.size() && line[i] != '"'; ++i) {
      if (line[i] == '\\' && i + 1 < line.size()) ++i;
      value += line[i];
    }
    if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
    return value;
  }
  return {};
}

uint8_t Low8Bits(int32_t value) {
  return static_cast<uint8_t>(value & 0xFF);
}

bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
}

}  // namespace

std::string SettingsFilePath() {
  return UserConfigFolder() + "info.ini";
}

std::string DocumentsFolder() {
  std::string home = HomeFolder();
  std::string docs = EnvOrEmpty("XDG_DOCUMENTS_DIR");
  if (docs.rfind("$HOME", 0) == 0) docs = home + docs.substr(5);
  if (docs.empty() || docs.front() != '/') docs = UserDirsDocuments(home);
  if (!docs.empty() && docs.front() == '/' && FolderExists(docs)) return ExcludeBackslash(docs);
  return home;
}

void ApplySettingDefaults() {
  TGlobalVars& g = GlobalVars;
  // The target the window shows from its first start on: 3GP, whose
  // device list the window always shows (its first device is chosen).
  g.OutputFormat = of3GP;
  g.EncoderPath = kEncoderFileName;
  g.Priority = 1;
  g.ShutdownFlag = 1;
  g.DeleteFileAfterProcessing = false;
  g.ShutdownWindowsWhenDone = false;
  g.UseDirectShow = false;
  g.LanguageFile = DefaultLanguageFile();
  g.LastInputOpenDir = DocumentsFolder();
  g.LastOutputOpenDir = g.LastInputOpenDir;
  g.TgpiPodPSPProfileFileName.clear();
  g.MP4MenuIndex = 0;
  g.TGPMenuIndex = 0;
}

bool ReadSettings() {
  std::string path = SettingsFilePath();
  if (!PathExists(path)) return false;
  TIniFile ini(path);
  TGlobalVars& g = GlobalVars;
  g.OutputFormat = of3GP;
  // A language file is looked up in the language folder by its bare name.
  std::string language = ini.ReadString(kSystem, "LanguageFile", g.LanguageFile);
  if (IsPlainFileName(language)) g.LanguageFile = language;
  g.LastInputOpenDir = ini.ReadString(kSystem, "LastInputOpenDir", g.LastInputOpenDir);
  g.LastOutputOpenDir = ini.ReadString(kSystem, "LastOutputOpenDir", g.LastOutputOpenDir);
  g.Priority = Low8Bits(ini.ReadInteger(kSystem, "Priority", g.Priority));
  g.ShutdownFlag = Low8Bits(ini.ReadInteger(kSystem, "ShutdownFlag", g.ShutdownFlag));
  g.DeleteFileAfterProcessing =
      ini.ReadBool(kSystem, "DeleteFileAfterProcessing", g.DeleteFileAfterProcessing);
  g.ShutdownWindowsWhenDone =
      ini.ReadBool(kSystem, "ShutdownWindowsWhenDone", g.ShutdownWindowsWhenDone);
  g.UseDirectShow = ini.ReadBool(kSystem, "UseDirectShow", g.UseDirectShow);
  g.TgpiPodPSPProfileFileName =
      ini.ReadString(kSystem, "TgpiPodPSPProfileFileName", g.TgpiPodPSPProfileFileName);
  g.TGPMenuIndex = ini.ReadInteger(kSystem, "TGPMenuIndex", g.TGPMenuIndex);
  return true;
}

bool LoadSettings() {
  if (ReadSettings()) return true;
  SaveSettings();
  return false;
}

namespace {
// A user's first write makes the XDG folder of an installed program; the
// program folder itself is never made here.
TIniFile OpenSettingsForWriting() {
  if (ProgramFolderIsShared()) MakeFolder(UserConfigFolder());
  return TIniFile(SettingsFilePath());
}
}  // namespace

void SaveSettings() {
  const TGlobalVars& g = GlobalVars;
  TIniFile ini = OpenSettingsForWriting();
  ini.WriteString(kSystem, "LanguageFile", g.LanguageFile);
  ini.WriteString(kSystem, "LastInputOpenDir", g.LastInputOpenDir);
  ini.WriteString(kSystem, "LastOutputOpenDir", g.LastOutputOpenDir);
  ini.WriteInteger(kSystem, "Priority", g.Priority);
  ini.WriteInteger(kSystem, "ShutdownFlag", g.ShutdownFlag);
  ini.WriteBool(kSystem, "DeleteFileAfterProcessing", g.DeleteFileAfterProcessing);
  ini.WriteBool(kSystem, "ShutdownWindowsWhenDone", g.ShutdownWindowsWhenDone);
  ini.WriteBool(kSystem, "UseDirectShow", g.UseDirectShow);
  ini.WriteString(kSystem, "TgpiPodPSPProfileFileName", g.TgpiPodPSPProfileFileName);
  ini.WriteInteger(kSystem, "TGPMenuIndex", g.TGPMenuIndex);
  ini.UpdateFile();
}

void WriteSettingInteger(const std::string& section, const std::string& key, int64_t value) {
  TIniFile ini = OpenSettingsForWriting();
  ini.WriteInteger(section, key, value);
  ini.UpdateFile();
}

void WriteSettingText(const std::string& section, const std::string& key,
                      const std::string& value) {
  TIniFile ini = OpenSettingsForWriting();
  ini.WriteString(section, key, value);
  ini.UpdateFile();
}
