// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The settings dialog's rules. Its lists are filled from the text table in a
// fixed order, so a stored index never depends on the language.

// Idle, Normal, High, Realtime: the index is Priority.
std::vector<std::string> PriorityChoices();
// "Close <product title>", Shutdown, Log off, Restart, Hibernate, Suspend:
// the index is ShutdownFlag.
std::vector<std::string> ShutdownChoices();

// What the dialog shows and collects. An index of -1 shows no selection.
struct TSettingsDialogValues {
  int Priority = -1;
  int ShutdownFlag = -1;
  bool UseDirectShow = false;
  bool DeleteSources = false;  // DeleteFileAfterProcessing
  bool operator==(const TSettingsDialogValues&) const = default;
};

// The values of GlobalVars; a stored value outside its list (a hand-edited
// settings file) gives -1.
TSettingsDialogValues LoadSettingsDialog();

// Back into GlobalVars. An index outside its list keeps the stored value, so
// OK on a dialog that showed no selection changes nothing there.
void StoreSettingsDialog(const TSettingsDialogValues& values);
