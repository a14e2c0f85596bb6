// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "app/GlobalVars.h"
#include "lang/ResStr.h"

// The sixteen targets as the main window and the profile store both see
// them. Names are the object names of the window's actions and boxes, so
// windows and tests find them by these strings.
struct TTargetInfo {
  TOutputFormat Format;
  std::string_view ActionName;     // "ActionToAVI"
  TMsgKey Caption;                 // "To AVI"
  std::string_view FormatBoxName;  // the format's own profile box
  std::string_view FrontBoxName;   // the box shown while it is the target
  bool ProfileActionsEnabled;      // Edit Profile and the profile menu
  bool InOthersMenu;               // a radio entry of the To Others menu
};

inline constexpr std::string_view kDeviceProfileBoxName = "ComboBoxProfile";
inline constexpr std::string_view kOthersActionName = "ActionToOthers";

// In OutputFormat order. MP4 and 3GP show the device box: their profiles
// come from device presets, which are never edited.
inline constexpr std::array<TTargetInfo, kOutputFormatCount> Targets = {{
    {ofAVI, "ActionToAVI", MSG_TOAVI, "ComboBoxAviProfile", "ComboBoxAviProfile", true, false},
    {ofMP4, "ActionToMP4", MSG_TOMP4, "ComboBoxMp4Profile", kDeviceProfileBoxName, false, false},
    {of3GP, "ActionTo3GP", MSG_TO3GP, "ComboBoxTgpProfile", kDeviceProfileBoxName, false, false},
    {ofMPEG, "ActionToMPEG", MSG_TOMPEG, "ComboBoxMPEGProfile", "ComboBoxMPEGProfile", true, false},
    {ofMOV, "ActionToMOV", MSG_TOMOV, "ComboBoxMovProfile", "ComboBoxMovProfile", true, false},
    {ofWMV, "ActionToWMV", MSG_TOWMV, "ComboBoxWmvProfile", "ComboBoxWmvProfile", true, false},
    {ofRM, "ActionToRM", MSG_TORM, "ComboBoxRmProfile", "ComboBoxRmProfile", true, false},
    {ofSWF, "ActionToSWF", MSG_TOSWF, "ComboBoxSwfProfile", "ComboBoxSwfProfile", true, false},
    {ofVOB, "ActionToVOB", MSG_TOVOB, "ComboBoxVobProfile", "ComboBoxVobProfile", true, true},
    {ofASF, "ActionToASF", MSG_TOASF, "ComboBoxAsfProfile", "ComboBoxAsfProfile", true, true},
    {ofAAC, "ActionToAAC", MSG_TOAAC, "ComboBoxAacProfile", "ComboBoxAacProfile", true, true},
    {ofAC3, "ActionToAC3", MSG_TOAC3, "ComboBoxAc3Profile", "ComboBoxAc3Profile", true, true},
    {ofMP2, "ActionToMP2", MSG_TOMP2, "ComboBoxMp2Profile", "ComboBoxMp2Profile", true, true},
    {ofMP3, "ActionToMP3", MSG_TOMP3, "ComboBoxMp3Profile", "ComboBoxMp3Profile", true, true},
    {ofAMR, "ActionToAMR", MSG_TOAMR, "ComboBoxAmrProfile", "ComboBoxAmrProfile", true, true},
    {ofWAV, "ActionToWAV", MSG_TOWAV, "ComboBoxWavProfile", "ComboBoxWavProfile", true, true},
}};

// The To Others menu: ASF and VOB, a separator after them, then the audio formats.
inline constexpr std::array<TOutputFormat, 8> OthersMenuFormats = {ofASF, ofVOB, ofAAC, ofAC3,
                                                                   ofMP2, ofMP3, ofAMR, ofWAV};
inline constexpr int kOthersMenuSeparatorAfter = 1;

// The entry of a target; nullptr above 15.
const TTargetInfo* TargetOf(int outputFormat);

// The toolbar action that stands for a target and is disabled while it is
// current: its own, or To Others for the formats of that menu. "" above 15.
std::string_view ToolbarActionName(int outputFormat);

// MP4 and 3GP convert with a device preset instead of a profile.
bool UsesDevicePresets(int outputFormat);

// What SelectTarget makes of the actions: the nine toolbar target actions
// enabled but for the current target's (To Others for the formats of its
// menu), the eight To Others entries checked only for the current one, Edit
// Profile, the profile menu and its entries enabled except for MP4 and 3GP.
struct TActionState {
  std::string_view Name;
  bool Enabled = true;
  bool Checked = false;
};
std::vector<TActionState> TargetActionStates(int outputFormat);

// The toolbar actions that open a menu instead of choosing a target. When
// one is the current (disabled) target its button is inert, so a press on
// the window strictly inside its rectangle opens the menu instead.
bool OpensMenu(std::string_view toolbarActionName);
