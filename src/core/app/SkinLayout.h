// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

// The main window's skin file ("skin/kvo/skin/skin.ini" in the program
// folder) read into one plain record. Every key has its default, so a
// partial file is valid and a missing file gives the built-in layout with no
// pictures. Picture names are kept in capitals, as the file compares them;
// "NONE" in any letter case, and a missing key, mean no picture (""). Keys
// the layout does not name are ignored. A width or height outside
// 1..kMaxSkinExtent, or a left or top beyond ±kMaxSkinExtent, keeps its
// default: a zero size would leave the window unmapped, a huge one would
// take gigabytes for its pictures.
inline constexpr int kMaxSkinExtent = 4096;

struct TSkinRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const TSkinRect&) const = default;
};

struct TSkinPoint {
  int Left = 0, Top = 0;
  bool operator==(const TSkinPoint&) const = default;
};

// The four pictures of an image button, in this order.
enum TSkinButtonState { sbsNormal = 0, sbsMouseOn, sbsMouseDown, sbsDisable };

struct TSkinButton {
  std::array<std::string, 4> Pictures;  // by TSkinButtonState; "" = none
  TSkinRect Bounds;
};

struct TSkinImage {
  std::string Picture;
  TSkinRect Bounds;
};

struct TSkinLayout {
  bool Loaded = false;      // the file existed and was read
  bool DefaultSkin = true;  // true: the light scheme, false: the dark one
  TSkinImage ImageMain{"", {0, 0, 754, 571}};
  TSkinRect ListViewFiles{120, 120, 482, 84};
  TSkinRect EditOutputFileName{120, 214, 482, 21};
  TSkinRect ComboBoxAviProfile{120, 242, 482, 21};  // this box only
  TSkinRect ScrollBox{18, 313, 719, 239};
  std::array<TSkinButton, 11> ToolbarButtons;  // Exit, To AVI … To Others, Burn DVD
  std::array<TSkinImage, 3> ToolbarLines;
  std::array<TSkinButton, 9> MainButtons;  // input Browse, Up, Down, Add, Delete, output Browse, Edit Profile, profile menu, Convert
  std::array<TSkinButton, 3> SystemButtons;  // minimise, help menu, close
  std::array<TSkinPoint, 26> Labels;         // Label1 … Label26
  std::array<TSkinPoint, 16> EditBoxes;      // the media panel's value boxes
  std::string SplashLeftImage;               // the about box's picture

  TSkinLayout();  // the built-in layout
};

// Reads the skin file; a missing file leaves the built-in layout (Loaded false).
TSkinLayout ReadSkinLayout(const std::string& skinFile);

// The file of a picture named in the skin, found beside the skin file
// whatever the letter case on disk; "" when none is there (the picture is
// then simply left empty).
std::string SkinPictureFile(const std::string& skinFile, const std::string& picture);
