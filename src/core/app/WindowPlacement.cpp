// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowPlacement.h"

#include <cstdint>

#include "app/Settings.h"
#include "base/IniFile.h"

namespace {
std::string IniPathOr(const std::string& iniPath) {
  return iniPath.find_first_not_of(" \t") == std::string::npos ? SettingsFilePath() : iniPath;
}
}  // namespace

TWindowPlacement ClampWindowPlacement(TWindowPlacement p, int screenWidth, int screenHeight) {
  if (p.Width > screenWidth) p.Width = screenWidth;
  if (p.Height > screenHeight) p.Height = screenHeight;
  // In 64 bits: hand-edited coordinates near the int limits must not overflow.
  if (int64_t{p.Left} + p.Width > screenWidth) p.Left = screenWidth - p.Width;
  if (int64_t{p.Top} + p.Height > screenHeight) p.Top = screenHeight - p.Height;
  if (p.Left < 0) p.Left = 0;
  if (p.Top < 0) p.Top = 0;
  return p;
}

TWindowPlacement CentredOver(const TWindowPlacement& owner, int width, int height) {
  TWindowPlacement p;
  p.Left = owner.Left + (owner.Width - width) / 2;
  p.Top = owner.Top + (owner.Height - height) / 2;
  p.Width = width;
  p.Height = height;
  return p;
}

TWindowPlacement ReadWindowPlacement(const std::string& section, const TWindowPlacement& current,
                                     int screenWidth, int screenHeight,
                                     const std::string& iniPath) {
  TIniFile ini(IniPathOr(iniPath));
  TWindowPlacement p;
  p.Maximized = ini.ReadBool(section, "maximized", false);
  p.Left = ini.ReadInteger(section, "x", current.Left);
  p.Top = ini.ReadInteger(section, "y", current.Top);
  p.Height = ini.ReadInteger(section, "height", current.Height);
  p.Width = ini.ReadInteger(section, "width", current.Width);
  // A hand-edited zero or negative size would make the window vanish.
  if (p.Width < 1) p.Width = current.Width;
  if (p.Height < 1) p.Height = current.Height;
  return ClampWindowPlacement(p, screenWidth, screenHeight);
}

bool RestoreWindowPlacement(const std::string& section, TPlacementWindow& form,
                            const std::string& iniPath) {
  form.ApplyPlacement(ReadWindowPlacement(section, form.Placement(), form.ScreenWidth(),
                                          form.ScreenHeight(), iniPath));
  return true;
}

void SaveWindowPlacement(const std::string& section, const TPlacementWindow& form,
                         const std::string& iniPath) {
  TWindowPlacement p = form.Placement();
  TIniFile ini(IniPathOr(iniPath));
  ini.WriteInteger(section, "x", p.Left);
  ini.WriteInteger(section, "y", p.Top);
  ini.WriteInteger(section, "height", p.Height);
  ini.WriteInteger(section, "width", p.Width);
  ini.WriteBool(section, "maximized", p.Maximized);
  ini.UpdateFile();
}
