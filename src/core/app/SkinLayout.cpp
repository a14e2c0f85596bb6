// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SkinLayout.h"

#include <cstdint>

#include "base/FileNames.h"
#include "base/IniFile.h"
#include "base/TextUtil.h"

namespace {

constexpr const char* kStateKeys[] = {"Normal", "MouseOn", "MouseDown", "Disable"};

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string Picture(const TIniFile& ini, const std::string& section, const std::string& key) {
  std::string value = Upper(ini.ReadString(section, key, "NONE"));
  return value == "NONE" ? std::string() : value;
}

// A position or a size of the skin, or its default when the value is out
// of the sane range.
int ReadPosition(const TIniFile& ini, const std::string& section, const std::string& key, int value) {
  const int64_t read = ini.ReadInteger(section, key, value);
  return read >= -kMaxSkinExtent && read <= kMaxSkinExtent ? static_cast<int>(read) : value;
}

int ReadSize(const TIniFile& ini, const std::string& section, const std::string& key, int value) {
  const int64_t read = ini.ReadInteger(section, key, value);
  return read >= 1 && read <= kMaxSkinExtent ? static_cast<int>(read) : value;
}

void ReadRect(const TIniFile& ini, const std::string& section, const std::string& prefix,
              TSkinRect& r) {
  r.Left = ReadPosition(ini, section, prefix + "Left", r.Left);
  r.Top = ReadPosition(ini, section, prefix + "Top", r.Top);
  r.Width = ReadSize(ini, section, prefix + "Width", r.Width);
  r.Height = ReadSize(ini, section, prefix + "Height", r.Height);
}

template <size_t N>
void ReadButtons(const TIniFile& ini, const std::string& section, std::array<TSkinButton, N>& buttons) {
  for (size_t i = 0; i < N; ++i) {
    std::string prefix = "Button" + std::to_string(i + 1);
    for (int s = 0; s < 4; ++s) buttons[i].Pictures[static_cast<size_t>(s)] = Picture(ini, section, prefix + kStateKeys[s]);
    ReadRect(ini, section, prefix, buttons[i].Bounds);
  }
}

}  // namespace

TSkinLayout::TSkinLayout() {
  for (TSkinButton& b : ToolbarButtons) b.Bounds = {2, 28, 62, 76};
  ToolbarButtons[1].Bounds.Left = 66;
  for (TSkinImage& l : ToolbarLines) l.Bounds = {64, 40, 2, 52};
  for (TSkinButton& b : MainButtons) b.Bounds = {620, 120, 115, 25};
  for (TSkinButton& b : SystemButtons) b.Bounds = {678, 4, 24, 21};
  Labels = {{{16, 8}, {144, 8}, {30, 122}, {24, 218}, {75, 246}, {120, 280}, {16, 8}, {24, 24},
             {368, 24}, {24, 40}, {368, 40}, {24, 56}, {368, 56}, {16, 80}, {24, 96}, {368, 96},
             {24, 112}, {368, 112}, {24, 128}, {368, 128}, {16, 152}, {24, 168}, {368, 168},
             {24, 184}, {368, 184}, {584, 216}}};
  static constexpr int tops[16] = {24, 24, 40, 40, 56, 56, 96, 96, 112, 112, 128, 128, 168, 168, 184, 184};
  for (size_t i = 0; i < EditBoxes.size(); ++i) EditBoxes[i] = {i % 2 == 0 ? 112 : 500, tops[i]};
}

TSkinLayout ReadSkinLayout(const std::string& skinFile) {
  TSkinLayout s;
  if (FileSize64(skinFile) < 0) return s;
  TIniFile ini(skinFile);
  s.Loaded = true;

  // MAINFORM: the scheme, the background, then the bounds in this order.
  s.DefaultSkin = ini.ReadBool("MAINFORM", "DefaultSkin", true);
  s.ImageMain.Picture = Picture(ini, "MAINFORM", "ImageMainPic");
  // The file spells this key "ImageMainLet"; "ImageMainLeft" means nothing.
  TSkinRect& back = s.ImageMain.Bounds;
  back.Left = ReadPosition(ini, "MAINFORM", "ImageMainLet", back.Left);
  back.Top = ReadPosition(ini, "MAINFORM", "ImageMainTop", back.Top);
  back.Width = ReadSize(ini, "MAINFORM", "ImageMainWidth", back.Width);
  back.Height = ReadSize(ini, "MAINFORM", "ImageMainHeight", back.Height);
  ReadRect(ini, "MAINFORM", "ListView", s.ListViewFiles);
  ReadRect(ini, "MAINFORM", "EditOutputFile", s.EditOutputFileName);
  ReadRect(ini, "MAINFORM", "ComboProfile", s.ComboBoxAviProfile);
  ReadRect(ini, "MAINFORM", "ScrollBox", s.ScrollBox);

  ReadButtons(ini, "TOOLBAR", s.ToolbarButtons);
  for (size_t i = 0; i < s.ToolbarLines.size(); ++i) {
    std::string prefix = "ImageLine" + std::to_string(i + 1);
    s.ToolbarLines[i].Picture = Picture(ini, "TOOLBAR", prefix);
    ReadRect(ini, "TOOLBAR", prefix, s.ToolbarLines[i].Bounds);
  }
  ReadButtons(ini, "MAINBUTTON", s.MainButtons);
  ReadButtons(ini, "SYSTEMBUTTON", s.SystemButtons);

  for (size_t i = 0; i < s.Labels.size(); ++i) {
    std::string prefix = "Label" + std::to_string(i + 1);
    s.Labels[i].Top = ReadPosition(ini, "LABEL", prefix + "Top", s.Labels[i].Top);
    s.Labels[i].Left = ReadPosition(ini, "LABEL", prefix + "Left", s.Labels[i].Left);
  }
  // The value boxes take their lefts from EDITBOX but their tops from LABEL.
  for (size_t i = 0; i < s.EditBoxes.size(); ++i) {
    std::string prefix = "EditBox" + std::to_string(i + 1);
    s.EditBoxes[i].Left = ReadPosition(ini, "EDITBOX", prefix + "Left", s.EditBoxes[i].Left);
    s.EditBoxes[i].Top = ReadPosition(ini, "LABEL", prefix + "Top", s.EditBoxes[i].Top);
  }
  s.SplashLeftImage = Picture(ini, "SPLASH", "LeftImage");
  return s;
}

std::string SkinPictureFile(const std::string& skinFile, const std::string& picture) {
  if (picture.empty()) return {};
  std::string folder = skinFile.substr(0, skinFile.find_last_of('/') + 1);
  std::string path = FindFileIgnoringCase(folder, picture);
  return FileSize64(path) >= 0 ? path : std::string();
}
