// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli settings: the settings the desktop program would start with.
#include <cstdio>
#include <string>

#include "Cli.h"
#include "app/BuildConstants.h"
#include "base/FileNames.h"
#include "base/IniFile.h"
#include "app/ProgramFolder.h"
#include "app/Settings.h"
#include "app/TypeFile.h"
#include "app/GlobalVars.h"
#include "store/ProfileFolders.h"

namespace {

void Print(const char* key, const std::string& value) {
  std::printf("%s=%s\n", key, value.c_str());
}
void Print(const char* key, int64_t value) {
  std::printf("%s=%lld\n", key, static_cast<long long>(value));
}

int RunSettings(const TCliArgs& args) {
  if (!args.Positionals().empty()) throw TUsageError{"settings takes no arguments"};
  if (!FolderExists(ProgramFolder()))
    throw TUsageError{"program folder " + ProgramFolder() + " does not exist"};

  // As the desktop program starts, except that a missing info.ini is not
  // created: asking must not turn the program's first start into a later one.
  ResetGlobalVars();
  ApplySettingDefaults();
  const bool exists = ReadSettings();
  const TGlobalVars& g = GlobalVars;

  std::printf("; %s\n", SettingsFilePath().c_str());
  if (!exists) std::printf("; not written yet: the program's first start writes these values\n");
  std::printf("[System]\n");
  Print("LanguageFile", g.LanguageFile);
  Print("LastInputOpenDir", g.LastInputOpenDir);
  Print("LastOutputOpenDir", g.LastOutputOpenDir);
  Print("Priority", g.Priority);
  Print("ShutdownFlag", g.ShutdownFlag);
  Print("DeleteFileAfterProcessing", g.DeleteFileAfterProcessing ? 1 : 0);
  Print("ShutdownWindowsWhenDone", g.ShutdownWindowsWhenDone ? 1 : 0);
  Print("UseDirectShow", g.UseDirectShow ? 1 : 0);
  Print("TgpiPodPSPProfileFileName", g.TgpiPodPSPProfileFileName);
  Print("TGPMenuIndex", g.TGPMenuIndex);

  TIniFile ini(SettingsFilePath());
  if (ini.SectionExists("Form")) {
    std::printf("[Form]\n");
    for (const char* key : {"x", "y", "width", "height", "maximized"})
      if (ini.ValueExists("Form", key)) Print(key, ini.ReadString("Form", key, ""));
  }

  std::printf("[Program]\n");
  Print("ProgramFolder", ProgramFolder());
  Print("OutputFormat", g.OutputFormat);
  Print("Target", std::string(OutputFormatNames[g.OutputFormat % kOutputFormatCount]));
  Print("EncoderPath", g.EncoderPath);
  SetProfileFolders();
  Print("ProfileRoot", g.ProfileRoot);
  Print("LanguageFolder", LanguageFolder());
  std::string typeFile = TypeFilePath();
  Print("TypeFile", typeFile);
  Print("TypeFileExists", FileSize64(typeFile) >= 0 ? 1 : 0);
  Print("HelpFolder", HelpFolderPath());
  Print("ProductTitle", ProductTitle());
  Print("Edition", BuildEdition());
  Print("Version", VersionText());
  Print("HomePage", HomePageAddress());
  Print("Support", SupportAddress());
  return kExitOk;
}

const TCliCommand Command("settings", "settings",
                          "print the settings the desktop program starts with (info.ini of the "
                          "program folder, or the first-start defaults when it is missing; "
                          "nothing is written)",
                          {}, RunSettings);

}  // namespace
