// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DeviceMenus.h"

#include "app/GlobalVars.h"
#include "base/Error.h"
#include "base/FileNames.h"

bool TDeviceMenus::Load(const std::string& folder, int edition) {
  bool found = LoadDevicePresets(folder, Presets_);
  BuildDeviceMenus(edition);
  return found;
}

void TDeviceMenus::BuildDeviceMenus(int edition) {
  Entries_.clear();
  Checked_ = {-1, -1};
  SelectedRow_ = -1;
  auto add = [this](const std::vector<TProfileItem>& presets, TDeviceGroup group) {
    int position = 0;
    for (const TProfileItem& p : presets)
      Entries_.push_back({p.Title, p.FileName, group, position++});
  };
  add(Mp4MenuPresets(Presets_, edition), dgMP4);
  add(Presets_.Tgp, dg3GP);
}

void TDeviceMenus::SelectItem(int index) {
  ItemIndex_ = index >= 0 && index < static_cast<int>(Items_.size()) ? index : -1;
}

void TDeviceMenus::ApplyDevicePreset(const std::string& file) {
  Items_ = PresetItems(file);
  ItemIndex_ = Items_.empty() ? -1 : 0;
}

void TDeviceMenus::Check(int entry) {
  Checked_[Entries_[static_cast<size_t>(entry)].Group] = entry;
  SelectedRow_ = entry;
}

int TDeviceMenus::SelectDevicePreset(int entry) {
  if (entry < 0 || entry >= static_cast<int>(Entries_.size())) return -1;
  const TDeviceEntry& e = Entries_[static_cast<size_t>(entry)];
  ApplyDevicePreset(e.FileName);
  Check(entry);
  TGlobalVars& g = GlobalVars;
  (e.Group == dgMP4 ? g.MP4MenuIndex : g.TGPMenuIndex) = e.Position;
  g.TgpiPodPSPProfileFileName = e.FileName;
  return e.Group == dgMP4 ? ofMP4 : of3GP;
}

void TDeviceMenus::RestoreDeviceChoice(int outputFormat) {
  TGlobalVars& g = GlobalVars;
  if (outputFormat != ofMP4 && outputFormat != of3GP) return;
  if (g.TgpiPodPSPProfileFileName.empty()) {
    // Nothing chosen yet (a new user): the first device of the menu, so
    // that Convert has something to convert with.
    TDeviceGroup group = outputFormat == ofMP4 ? dgMP4 : dg3GP;
    for (size_t i = 0; i < Entries_.size(); ++i) {
      if (Entries_[i].Group == group) {
        SelectDevicePreset(static_cast<int>(i));
        return;
      }
    }
    return;
  }
  const std::string file = g.TgpiPodPSPProfileFileName;
  TDeviceGroup group = outputFormat == ofMP4 ? dgMP4 : dg3GP;
  int32_t& position = group == dgMP4 ? g.MP4MenuIndex : g.TGPMenuIndex;
  int atPosition = -1, ofFile = -1, ofName = -1;
  const std::string name = FileNamePart(file);
  for (size_t i = 0; i < Entries_.size(); ++i) {
    const TDeviceEntry& e = Entries_[i];
    if (e.Group != group) continue;
    if (e.Position == position) atPosition = static_cast<int>(i);
    if (ofFile < 0 && e.FileName == file) ofFile = static_cast<int>(i);
    if (ofName < 0 && FileNamePart(e.FileName) == name) ofName = static_cast<int>(i);
  }
  if (ofFile < 0 && ofName >= 0) {
    // The file of another profile tree (the language changed since): the
    // same preset of this tree, whose items the box shows and the batch uses.
    if (atPosition >= 0 && FileNamePart(Entries_[static_cast<size_t>(atPosition)].FileName) == name)
      ofName = atPosition;
    SelectDevicePreset(ofName);
    return;
  }
  // The remembered file may have become a folder or unreadable since; like
  // a deleted one it leaves the box empty, and the program starts anyway.
  try {
    ApplyDevicePreset(file);
  } catch (const EKinovertError&) {
    Items_.clear();
    ItemIndex_ = -1;
  }
  if (atPosition >= 0 && Entries_[static_cast<size_t>(atPosition)].FileName == file) {
    Check(atPosition);
  } else if (ofFile >= 0) {
    Check(ofFile);
    position = Entries_[static_cast<size_t>(ofFile)].Position;
  }
}
