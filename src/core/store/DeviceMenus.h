// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "store/DevicePresets.h"

// The two device menus, which offer the presets of MP4 and 3GP.
enum TDeviceGroup : int { dgMP4 = 0, dg3GP = 1 };

// One offered preset: a radio entry of its group's menu and, at the same
// index of the creation order, a row of the device-format list.
struct TDeviceEntry {
  std::string Title;
  std::string FileName;  // the preset file
  TDeviceGroup Group;
  int Position;  // in its menu
};

// The device side of the main window as a model: the preset groups, the
// entries of both menus and the device-format list, which entry each menu
// has checked, the selected row, and the items of the chosen preset that the
// device box shows.
class TDeviceMenus final {
 public:
  // Reads the presets of the folder and makes the entries the edition
  // offers. False, with no presets and no entries, when the folder is missing.
  bool Load(const std::string& folder, int edition);
  // The entries of the loaded presets: the MP4 menu by edition (0: iPod then
  // PSP, 2: PSP, 3: iPod, 1: none), then the 3GP menu with the 3GP group.
  void BuildDeviceMenus(int edition);

  const TDevicePresets& Presets() const { return Presets_; }
  // Row n of the device-format list is entry n.
  const std::vector<TDeviceEntry>& Entries() const { return Entries_; }
  // The checked entry of a menu (an index into Entries), -1 for none.
  int CheckedEntry(TDeviceGroup group) const { return Checked_[group]; }
  // The selected row of the device-format list, -1 for none.
  int SelectedRow() const { return SelectedRow_; }

  // The device box: the "Item" sections of the applied preset in file
  // order, and the chosen one (-1 when the box is empty).
  const std::vector<TProfileDetailItem>& Items() const { return Items_; }
  int ItemIndex() const { return ItemIndex_; }
  void SelectItem(int index);

  // Fills the device box from a preset file and selects its first item; a
  // missing file or one without items leaves it empty.
  void ApplyDevicePreset(const std::string& file);

  // A menu entry or a row chosen: applies its preset, checks it, selects its
  // row and remembers it in GlobalVars (the file, and the menu position in
  // MP4MenuIndex or TGPMenuIndex). Returns the target to select, MP4 or 3GP;
  // -1, changing nothing, for an index that names no entry.
  int SelectDevicePreset(int entry);

  // The start-up restore after the stored target is selected: for MP4 and
  // 3GP with a remembered preset file, shows that file's items and checks
  // (and selects the row of) the entry at the remembered menu position. When
  // that entry is another preset (the folder changed since), the entry of the
  // remembered file is taken and its position remembered instead; when the
  // menu has no entry of that file but one of the same file name (a file of
  // the profile tree of another language, chosen before a language change),
  // that entry is chosen as if clicked. When there is neither, nothing is
  // checked or selected, but the items are shown all the same. With no
  // preset remembered at all (a new user), the first entry of the target's
  // menu is chosen.
  void RestoreDeviceChoice(int outputFormat);

 private:
  void Check(int entry);

  TDevicePresets Presets_;
  std::vector<TDeviceEntry> Entries_;
  std::array<int, 2> Checked_ = {-1, -1};
  int SelectedRow_ = -1;
  std::vector<TProfileDetailItem> Items_;
  int ItemIndex_ = -1;
};
