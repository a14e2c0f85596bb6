// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Where a window sits, as stored in an INI section (keys x, y, width, height,
// maximized); the settings file's section "Form" holds the main window's.
struct TWindowPlacement {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Maximized = false;
  bool operator==(const TWindowPlacement&) const = default;
};

// Keeps a stored placement on a screen of the given size: width and height at
// most the screen's, moved left and up until the right and bottom edges are on
// the screen, and never left of or above the screen's origin.
TWindowPlacement ClampWindowPlacement(TWindowPlacement placement, int screenWidth,
                                      int screenHeight);

// Where a dialog of the given size sits centred over its owner: left = owner
// left + (owner width - width) / 2, top likewise, the halves truncated toward
// zero as every dialog opened from the main window is placed.
TWindowPlacement CentredOver(const TWindowPlacement& owner, int width, int height);

// The window side of placement, implemented by each toolkit window (and by
// tests with a plain object).
class TPlacementWindow {
 public:
  virtual ~TPlacementWindow() = default;
  virtual TWindowPlacement Placement() const = 0;
  virtual void ApplyPlacement(const TWindowPlacement& placement) = 0;
  virtual int ScreenWidth() const = 0;
  virtual int ScreenHeight() const = 0;
};

// Reads section of iniPath (the settings file when iniPath is blank); each
// missing key keeps the window's current value, and a stored width or height
// below 1 does too. The result is clamped to the window's screen.
TWindowPlacement ReadWindowPlacement(const std::string& section, const TWindowPlacement& current,
                                     int screenWidth, int screenHeight, const std::string& iniPath);

// Reads, clamps and applies the stored placement; always true.
bool RestoreWindowPlacement(const std::string& section, TPlacementWindow& form,
                            const std::string& iniPath = "");

// Writes x, y, height, width and maximized of the window to section of
// iniPath (the settings file when blank). Throws EKinovertError when the file
// cannot be written.
void SaveWindowPlacement(const std::string& section, const TPlacementWindow& form,
                         const std::string& iniPath = "");
