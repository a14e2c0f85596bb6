// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include <clocale>

#include "app/BuildConstants.h"
#include "app/Dialogs.h"
#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/Settings.h"
#include "app/TypeFile.h"
#include "base/Error.h"
#include "base/FileNames.h"
#include "base/FormatText.h"
#include "base/TextUtil.h"
#include "lang/ResStr.h"

bool RunStartup(TStartupWindow& window) {
  window.LoadSkinLayout();
  // Every number the program writes or reads, command lines included, uses
  // a full stop, whatever the user's regional settings say.
  std::setlocale(LC_NUMERIC, "C");
  window.CreateRunner();
  ApplySettingDefaults();
  bool existed = true;
  try {
    existed = LoadSettings();
  } catch (const EKinovertError& e) {
    // The first start could not write its settings (a read-only folder):
    // say so and go on with the defaults.
    existed = false;
    MessageBoxText(e.what(), ResStr(MSG_Error), MB_OK | MB_ICONHAND);
  }
  if (!existed) window.CentreOnScreen();
  if (std::string fallBack = FallBackToBuildLanguage(); !fallBack.empty())
    MessageBoxText(fallBack, ResStr(MSG_HINT), MB_OK | MB_ICONWARNING);
  if (!window.StartProfileStore()) return false;
  window.RestoreTarget();
  window.AcceptDroppedFiles();
  window.RestorePlacement();
  LoadLanguage(LanguageFolder() + GlobalVars.LanguageFile);
  if (!window.ApplyLanguage()) return false;
  window.BuildLanguageMenu();
  window.UpdateSummary();
  window.HideToolbar();
  window.ShiftControls();
  return true;
}

std::string FallBackToBuildLanguage() {
  TGlobalVars& g = GlobalVars;
  const std::string chosen = g.LanguageFile;
  const std::string build = DefaultLanguageFile();
  if (LowerCaseAscii(chosen) == LowerCaseAscii(build)) return {};
  std::string missing;
  if (const std::string file = FindFileIgnoringCase(LanguageFolder(), chosen);
      chosen.empty() || FileSize64(file) < 0)
    missing = chosen.empty() ? LanguageFolder() : file;
  else if (FileSize64(TypeFilePath()) < 0)
    missing = TypeFilePath();
  if (missing.empty()) return {};
  g.LanguageFile = build;
  return FormatText(ResStr(MSG_LANGUAGE_MISSING), {missing, build});
}

bool LoadLanguageTypeFile() {
  std::string path = TypeFilePath();
  bool loaded = false;
  try {
    loaded = FileSize64(path) >= 0 && LoadTypeFile();
  } catch (const EKinovertError& e) {
    // There, but no type file (a folder, a FIFO): as good as missing.
    path += " (" + std::string(e.what()) + ")";
  }
  if (!loaded) {
    MessageBoxText(FormatText(ResStr(MSG_NO_DAT_FILE), {path}), ResStr(MSG_NO_DAT_FILE_TITLE),
                   MB_OK | MB_ICONINFORMATION);
    return false;
  }
  return true;
}

std::string ApplicationVersionText() { return ResStr(MSG_APPLICATION_VERSION) + " " + VersionText(); }

std::string ApplicationTitle() {
  return FormatText("%s %s", {ResStr(MSG_APPLICATION_TITLE), ApplicationVersionText()});
}
