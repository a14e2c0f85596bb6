// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/GlobalVars.h"
#include "store/DeviceMenus.h"
#include "store/ProfileChoice.h"
#include "store/ProfileList.h"
#include "store/ProfileUi.h"

// Tells the window what to show again after a change.
class TProfileStoreListener {
 public:
  virtual ~TProfileStoreListener() = default;
  // The entries or the selection of a format's profile box changed.
  virtual void ProfileBoxChanged(int /*outputFormat*/) {}
};

// The profile side of the main window as a model: the sixteen profile boxes
// (entries and selection), the profile actions, and the device menus. The
// window shows what it holds and hands it the user's picks; the rules all
// live here. Main thread only.
//
// How the main window uses it:
//   creation     if (!Store.Start()) quit;  (Start has shown the message)
//                for each format f: box Targets[f].FormatBoxName (store/TargetTable.h)
//                shows Profiles(f) by Name and selects ProfileIndex(f);
//                for each Devices().Entries()[n]: a radio item in menu Group at
//                Position, and row n of the device-format list
//   RestoreTarget  after SelectTarget: Store.Devices().RestoreDeviceChoice(OutputFormat),
//                then show the device box (kDeviceProfileBoxName: Devices().Items() by
//                Title, ItemIndex()), the checked entries and the selected row
//   user picks   box f, index i        -> SelectProfile(f, i)
//                device box, index i   -> Devices().SelectItem(i)
//                menu entry or row n   -> target = Devices().SelectDevicePreset(n);
//                if target >= 0: SelectTarget(target), show the device side again
//   actions      AddProfile / EditProfile / RenameProfile / DeleteProfile(OutputFormat, ...)
//                with a TWindowProfileUi (ui/main) as the ui; refresh box OutputFormat
//   Convert      TBatchChoice choice{Store.CurrentChoice(OutputFormat), <output folder box>};
//                (an empty choice means nothing to convert with: no profile listed,
//                or a remembered device preset whose file is gone)
// Each change of a profile box is reported to the listener.
class TProfileStore final {
 public:
  void SetListener(TProfileStoreListener* listener) { Listener_ = listener; }

  // The start-up: makes the profile folders (showing "Create profile
  // directory error!" and returning false when one cannot be made), fills the
  // sixteen boxes with their first entry selected, loads the device presets
  // of DefaultSettingDir and builds the entries of the build's edition.
  bool Start();

  // Refills a format's box from its folder and selects the entry named
  // exactly name, or the first entry when no name is given.
  void FillProfileList(int outputFormat, const std::optional<std::string>& name = std::nullopt);

  const std::vector<TProfileEntry>& Profiles(int outputFormat) const;
  int ProfileIndex(int outputFormat) const;  // -1: nothing selected
  void SelectProfile(int outputFormat, int index);
  // The selected entry, nullptr when there is none.
  const TProfileEntry* CurrentProfile(int outputFormat) const;

  // The profile menu and Edit Profile for a format (never MP4 or 3GP, whose
  // actions the window disables).
  // Add: defaults, the editor, the name, the overwrite question (only Yes
  // overwrites), then the file is written and selected.
  void AddProfile(int outputFormat, TProfileUi& ui);
  // Edit: the selected profile in the editor, saved back on OK. An empty box
  // has nothing to edit and offers Add instead.
  void EditProfile(int outputFormat, TProfileUi& ui);
  // Rename: never over another profile of the format; the failure message
  // otherwise. An empty box does nothing.
  void RenameProfile(int outputFormat, TProfileUi& ui);
  // Delete: never the last profile; asks first; a file that cannot be
  // deleted is reported and stays listed. An empty box does nothing.
  void DeleteProfile(int outputFormat);

  TDeviceMenus& Devices() { return Devices_; }
  const TDeviceMenus& Devices() const { return Devices_; }

  // What a conversion to the format takes: the selected profile's file, or
  // for MP4 and 3GP the device box's item. Empty fields when nothing is
  // chosen.
  TProfileChoice CurrentChoice(int outputFormat) const;

 private:
  void Changed(int outputFormat);

  std::array<std::vector<TProfileEntry>, kOutputFormatCount> Profiles_;
  std::array<int, kOutputFormatCount> Selected_{};
  TDeviceMenus Devices_;
  TProfileStoreListener* Listener_ = nullptr;
};
