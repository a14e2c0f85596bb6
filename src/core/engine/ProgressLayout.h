// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the progress window's Send to tray button sits, left of Cancel.
struct TButtonPlace {
  int Left = 0;
  int Width = 0;
  bool operator==(const TButtonPlace&) const = default;
};

// 225 wide at left 160 where the build speaks French (its caption is
// longer), else 110 wide at left 270. A caption that needs more room
// (`neededWidth`) grows the button to the left, never past `minLeft`; its
// right edge stays clear of Cancel, which starts at `cancelLeft`.
TButtonPlace TrayButtonPlace(int buildLanguage, int neededWidth, int cancelLeft, int minLeft);
