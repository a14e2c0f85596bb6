// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The main window's side of start-up. Core runs the steps in their fixed
// order; the window does what each step means for its controls. A step that
// returns false ends the program (its message has been shown).
class TStartupWindow {
 public:
  virtual ~TStartupWindow() = default;
  virtual void LoadSkinLayout() = 0;
  virtual void CreateRunner() = 0;
  virtual void CentreOnScreen() = 0;
  virtual bool StartProfileStore() = 0;
  virtual void RestoreTarget() = 0;
  virtual void AcceptDroppedFiles() = 0;
  virtual void RestorePlacement() = 0;
  virtual bool ApplyLanguage() = 0;
  virtual void BuildLanguageMenu() = 0;
  virtual void UpdateSummary() = 0;
  virtual void HideToolbar() = 0;
  virtual void ShiftControls() = 0;
};

// Start-up of the main window, in this order: skin, a decimal point for all
// numbers, the runner, the settings defaults and the settings file (the
// first start writes the file and centres the window), the fall-back to
// the build language when the chosen one is gone (its message shown once,
// since the settings keep the build language from then on), the profile store,
// the stored target, drops, placement, the language file, the captions and
// type file, the language menu, the summary, the hidden toolbar, and the
// control shifts. A settings file that cannot be written on the first start
// is reported and the program goes on with the defaults. False: the program
// ends.
bool RunStartup(TStartupWindow& window);

// The language of the settings (LanguageFile) is the user's own choice and
// may name a language whose file or type file is gone (removed, renamed, an
// older install). Then the build language takes its place in GlobalVars, and
// the returned text says so (which file is missing, what is used instead);
// "" when the chosen language is there, or is the build language itself.
std::string FallBackToBuildLanguage();

// ApplyLanguage's rule, shared by start-up and a language switch: the type
// file of LanguageFile must exist ("Cannot find ..." and false otherwise,
// and the program then ends); it is loaded into GlobalVars.
bool LoadLanguageTypeFile();

// The window title: "<product title> version: 2.3" with the current texts.
std::string ApplicationTitle();
// The version part of it, "version: 2.3".
std::string ApplicationVersionText();
