// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ProfileStore.h"

#include <optional>

#include "app/BuildConstants.h"
#include "app/Dialogs.h"
#include "base/FileNames.h"
#include "base/FormatText.h"
#include "lang/ResStr.h"
#include "profiles/ProfileSettings.h"
#include "store/ProfileFolders.h"
#include "store/TargetTable.h"

namespace {

bool ValidFormat(int outputFormat) {
  return outputFormat >= 0 && outputFormat < kOutputFormatCount;
}

size_t Slot(int outputFormat) {
  return static_cast<size_t>(outputFormat);
}

bool AskYesNo(const std::string& text, const std::string& caption) {
  return MessageDialog(text, caption, mdConfirmation, 1, {ResStr(MSG_YES), ResStr(MSG_NO)},
                       ButtonSet({mbYes, mbNo})) == mrYes;
}

}  // namespace

bool TProfileStore::Start() {
  std::string problem;
  if (!CreateProfileFolders(&problem)) {
    MessageBoxText(ResStr(MSG_CREATE_DIR_ERROR), ResStr(MSG_Error), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  if (!problem.empty()) MessageBoxText(problem, ResStr(MSG_HINT), MB_OK | MB_ICONWARNING);
  for (int f = 0; f < kOutputFormatCount; ++f) FillProfileList(f);
  Devices_.Load(GlobalVars.DefaultSettingDir, BuildEdition());
  return true;
}

void TProfileStore::FillProfileList(int outputFormat, const std::optional<std::string>& name) {
  if (!ValidFormat(outputFormat)) return;
  std::vector<TProfileEntry>& entries = Profiles_[Slot(outputFormat)];
  entries = ListProfiles(outputFormat);
  Selected_[Slot(outputFormat)] = SelectedAfterFill(entries, name);
  Changed(outputFormat);
}

const std::vector<TProfileEntry>& TProfileStore::Profiles(int outputFormat) const {
  static const std::vector<TProfileEntry> none;
  return ValidFormat(outputFormat) ? Profiles_[Slot(outputFormat)] : none;
}

int TProfileStore::ProfileIndex(int outputFormat) const {
  if (!ValidFormat(outputFormat)) return -1;
  int index = Selected_[Slot(outputFormat)];
  return index >= 0 && index < static_cast<int>(Profiles_[Slot(outputFormat)].size()) ? index : -1;
}

void TProfileStore::SelectProfile(int outputFormat, int index) {
  if (!ValidFormat(outputFormat)) return;
  int count = static_cast<int>(Profiles_[Slot(outputFormat)].size());
  Selected_[Slot(outputFormat)] = index >= 0 && index < count ? index : -1;
}

const TProfileEntry* TProfileStore::CurrentProfile(int outputFormat) const {
  int index = ProfileIndex(outputFormat);
  return index < 0 ? nullptr : &Profiles_[Slot(outputFormat)][static_cast<size_t>(index)];
}

void TProfileStore::AddProfile(int outputFormat, TProfileUi& ui) {
  if (!ValidFormat(outputFormat)) return;
  DefaultProfile(outputFormat);
  if (!ui.EditProfile(outputFormat)) return;
  std::string name;
  if (!ui.AskProfileName(name)) return;
  // A profile of that name whose extension is written in other letters is
  // the same profile to the user: it is the one overwritten.
  std::vector<TProfileEntry> listed = ListProfiles(outputFormat);
  int same = FindProfile(listed, name);
  std::string path =
      same >= 0 ? listed[static_cast<size_t>(same)].FileName : ProfileFilePath(outputFormat, name);
  // Only Yes overwrites: closing the question keeps the file.
  if ((same >= 0 || PathExists(path)) &&
      !AskYesNo(FormatText(ResStr(MSG_FILE_EXISTS), {path}), ResStr(MSG_OVERWRITE)))
    return;
  SaveProfile(outputFormat, path);
  FillProfileList(outputFormat, name);
}

void TProfileStore::EditProfile(int outputFormat, TProfileUi& ui) {
  const TProfileEntry* current = CurrentProfile(outputFormat);
  if (current == nullptr) {
    AddProfile(outputFormat, ui);
    return;
  }
  std::string path = current->FileName;
  // The AVI editor takes long to build.
  std::optional<TWaitCursor> wait;
  if (outputFormat == ofAVI) wait.emplace();
  LoadProfile(outputFormat, path);
  if (ui.EditProfile(outputFormat)) SaveProfile(outputFormat, path);
}

void TProfileStore::RenameProfile(int outputFormat, TProfileUi& ui) {
  const TProfileEntry* current = CurrentProfile(outputFormat);
  if (current == nullptr) return;
  TProfileEntry old = *current;
  std::string name = old.Name;
  if (!ui.AskProfileName(name) || name == old.Name) return;
  int taken = FindProfile(ListProfiles(outputFormat), name);
  if (taken >= 0 || !RenameFileNoReplace(old.FileName, ReplaceFileName(old.FileName, name))) {
    MessageBoxText(ResStr(MSG_RENAMEFAILD), ResStr(MSG_RENAMEFAILD_TITLE), MB_ICONINFORMATION);
    return;
  }
  FillProfileList(outputFormat, name);
}

void TProfileStore::DeleteProfile(int outputFormat) {
  const TProfileEntry* current = CurrentProfile(outputFormat);
  if (current == nullptr) return;
  if (Profiles(outputFormat).size() == 1) {
    MessageBoxText(ResStr(MSG_LAST_PROFILE), ResStr(MSG_LAST_PROFILE_TITLE), MB_ICONINFORMATION);
    return;
  }
  TProfileEntry doomed = *current;
  if (!AskYesNo(FormatText(ResStr(MSG_SURE_DELETE_PROFILE), {doomed.Name}),
                ResStr(MSG_SURE_DELETE_PROFILE_TITLE)))
    return;
  if (!DeleteFile(doomed.FileName)) {
    MessageBoxText(FormatText(ResStr(MSG_DELETE_PROFILE_FAILED), {doomed.FileName}),
                   ResStr(MSG_Error), MB_ICONERROR);
    return;
  }
  FillProfileList(outputFormat);
}

TProfileChoice TProfileStore::CurrentChoice(int outputFormat) const {
  TProfileChoice choice;
  if (UsesDevicePresets(outputFormat)) {
    int item = Devices_.ItemIndex();
    if (item >= 0) {
      const TProfileDetailItem& detail = Devices_.Items()[static_cast<size_t>(item)];
      choice.DevicePresetFile = detail.FileName;
      choice.DeviceSection = detail.Section;
    }
  } else if (const TProfileEntry* entry = CurrentProfile(outputFormat)) {
    choice.ProfileFile = entry->FileName;
  }
  return choice;
}

void TProfileStore::Changed(int outputFormat) {
  if (Listener_ != nullptr) Listener_->ProfileBoxChanged(outputFormat);
}
