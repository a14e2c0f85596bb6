// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/TargetTable.h"

static_assert(
    [] {
      for (size_t i = 0; i < Targets.size(); ++i)
        if (Targets[i].Format != static_cast<TOutputFormat>(i)) return false;
      return true;
    }(),
    "the target table must follow OutputFormat");

const TTargetInfo* TargetOf(int outputFormat) {
  if (outputFormat < 0 || outputFormat >= kOutputFormatCount) return nullptr;
  return &Targets[static_cast<size_t>(outputFormat)];
}

std::string_view ToolbarActionName(int outputFormat) {
  const TTargetInfo* t = TargetOf(outputFormat);
  if (t == nullptr) return {};
  return t->InOthersMenu ? kOthersActionName : t->ActionName;
}

bool UsesDevicePresets(int outputFormat) {
  const TTargetInfo* t = TargetOf(outputFormat);
  return t != nullptr && t->FrontBoxName == kDeviceProfileBoxName;
}

std::vector<TActionState> TargetActionStates(int outputFormat) {
  std::vector<TActionState> states;
  std::string_view inert = ToolbarActionName(outputFormat);
  for (const TTargetInfo& t : Targets)
    if (!t.InOthersMenu) states.push_back({t.ActionName, t.ActionName != inert, false});
  states.push_back({kOthersActionName, inert != kOthersActionName, false});
  for (const TTargetInfo& t : Targets)
    if (t.InOthersMenu) states.push_back({t.ActionName, true, t.Format == outputFormat});
  const TTargetInfo* current = TargetOf(outputFormat);
  bool profileActions = current != nullptr && current->ProfileActionsEnabled;
  // The profile menu's entries go with the menu: MP4 and 3GP convert with
  // device presets, so their profile folders are not the user's business.
  for (const char* name : {"ActionEditProfile", "ActionProfileMore", "ActionAddNewProfile",
                           "ActionRenameProfile", "ActionDeleteProfile"})
    states.push_back({name, profileActions, false});
  return states;
}

bool OpensMenu(std::string_view toolbarActionName) {
  return toolbarActionName == "ActionToMP4" || toolbarActionName == "ActionTo3GP" ||
         toolbarActionName == kOthersActionName;
}
