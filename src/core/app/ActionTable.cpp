// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ActionTable.h"

#include <array>

#include "app/UtilFuncs.h"

namespace {

using S = TCaptionStyle;

constexpr std::array<TActionInfo, 45> kActions = {{
    {"ActionExit", MSG_EXIT, S::Toolbar, ""},
    {"ActionToAVI", MSG_TOAVI, S::Toolbar, ""},
    {"ActionToMP4", MSG_TOMP4, S::Toolbar, ""},
    {"ActionTo3GP", MSG_TO3GP, S::Toolbar, ""},
    {"ActionToMPEG", MSG_TOMPEG, S::Toolbar, ""},
    {"ActionToMOV", MSG_TOMOV, S::Toolbar, ""},
    {"ActionToWMV", MSG_TOWMV, S::Toolbar, ""},
    {"ActionToRM", MSG_TORM, S::Toolbar, ""},
    {"ActionToSWF", MSG_TOSWF, S::Toolbar, ""},
    {"ActionToOthers", MSG_TOOTHERS, S::Toolbar, ""},
    {"ActionToVOB", MSG_TOVOB, S::Plain, ""},
    {"ActionToASF", MSG_TOASF, S::Plain, ""},
    {"ActionToAAC", MSG_TOAAC, S::Plain, ""},
    {"ActionToAC3", MSG_TOAC3, S::Plain, ""},
    {"ActionToMP2", MSG_TOMP2, S::Plain, ""},
    {"ActionToMP3", MSG_TOMP3, S::Plain, ""},
    {"ActionToAMR", MSG_TOAMR, S::Plain, ""},
    {"ActionToWAV", MSG_TOWAV, S::Plain, ""},
    {"ActionBurnDVD", MSG_BURNDVD, S::Toolbar, ""},
    {"ActionCapture", MSG_CAPTURE, S::Plain, ""},
    {"ActionInputBrowse", MSG_BROWSE, S::Plain, "Ctrl+N"},
    {"ActionAdd", MSG_ADD_FILES, S::Plain, ""},
    {"ActionDel", MSG_DEL_FILES, S::Plain, "Del", true},
    {"ActionClearList", MSG_CLEARLIST, S::Plain, "Shift+Del"},
    {"ActionSelectAll", MSG_SEL_ALL, S::Plain, "Ctrl+A"},
    {"ActionMoveUp", std::nullopt, S::Plain, "Ctrl+U", false, MSG_MOVE_UP},
    {"ActionMoveDown", std::nullopt, S::Plain, "Ctrl+D", false, MSG_MOVE_DOWN},
    {"ActionOutputBrowse", MSG_BROWSE, S::Plain, "Ctrl+O"},
    {"ActionPlaySource", MSG_PLAY_SOURCE, S::Plain, "Ctrl+P"},
    {"ActionOpenDestinationFolder", MSG_OPEN_DES_FOLDER, S::Plain, ""},
    {"ActionConvert", MSG_CONVERT, S::Plain, "F9"},
    {"ActionEditProfile", MSG_EDIT_PROFILE, S::Indented, "Ctrl+E"},
    {"ActionProfileMore", std::nullopt, S::Plain, "", false, MSG_PROFILE_MENU},
    {"ActionAddNewProfile", MSG_ADD_PROFILE, S::Plain, "Alt+N"},
    {"ActionRenameProfile", MSG_REN_PROFILE, S::Plain, "F2"},
    {"ActionDeleteProfile", MSG_DEL_PROFILE, S::Plain, "Alt+Del"},
    {"ActionSettings", MSG_SETTINGS, S::Plain, "F12"},
    {"ActionMin", std::nullopt, S::Plain, "", false, MSG_MINIMIZE},
    {"ActionHelp", std::nullopt, S::Plain, "", false, MSG_HELP},
    {"ActionClose", std::nullopt, S::Plain, "Alt+F4", false, MSG_CLOSE},
    {"ActionHelpContent", MSG_HELP_CONTENT, S::Plain, "F1"},
    {"ActionQuickStart", MSG_QUICK_START, S::Plain, ""},
    {"ActionOnlineResources", MSG_ONLINE_RES, S::Plain, ""},
    {"ActionContactTechnicalSupport", MSG_TECH_SUPPORT, S::Plain, ""},
    {"ActionAbout", MSG_ABOUT, S::Plain, ""},
}};

constexpr std::string_view kNoFile[] = {"ActionAdd", kSeparator, "ActionSettings", kSeparator,
                                        "ActionHelpContent", kSeparator, kConvertToSubmenu};
constexpr std::string_view kHaveFile[] = {
    "ActionPlaySource", "ActionOpenDestinationFolder", kSeparator, "ActionDel", "ActionClearList",
    kSeparator,         "ActionAdd",                   kSeparator, "ActionSelectAll", kSeparator,
    kConvertToSubmenu};
constexpr std::string_view kHelp[] = {
    "ActionHelpContent",     "ActionQuickStart",   kSeparator, "ActionSettings",
    kLanguagesSubmenu,       kConvertToSubmenu,    kSeparator, "ActionOnlineResources",
    "ActionContactTechnicalSupport", kSeparator, "ActionAbout"};
constexpr std::string_view kProfile[] = {"ActionAddNewProfile", kSeparator, "ActionDeleteProfile",
                                         "ActionRenameProfile"};
constexpr std::string_view kOthers[] = {"ActionToASF", "ActionToVOB", kSeparator, "ActionToAAC",
                                        "ActionToAC3", "ActionToMP2", "ActionToMP3", "ActionToAMR",
                                        "ActionToWAV"};
constexpr std::array<TMenuInfo, 5> kMenus = {{
    {"PopupMenuListViewNoFile", kNoFile},
    {"PopupMenuListViewHaveFile", kHaveFile},
    {"PopupMenuHelp", kHelp},
    {"PopupMenuProfile", kProfile},
    {"PopupMenuOtherFormats", kOthers},
}};

}  // namespace

std::span<const TActionInfo> MainActions() { return kActions; }

const TActionInfo* FindMainAction(std::string_view name) {
  for (const TActionInfo& a : kActions)
    if (a.Name == name) return &a;
  return nullptr;
}

std::string ActionCaption(const TActionInfo& action) {
  if (!action.Caption) return {};
  std::string text = ResStr(*action.Caption);
  switch (action.Style) {
    case TCaptionStyle::Plain: return text;
    case TCaptionStyle::Toolbar: return ToolbarCaption(text);
    case TCaptionStyle::Indented: return "   " + text;
  }
  return text;
}

std::string ActionTip(const TActionInfo& action) {
  if (action.Caption) return ResStr(*action.Caption);
  return action.Tip ? ResStr(*action.Tip) : std::string();
}

std::span<const TMenuInfo> MainMenus() { return kMenus; }

const TMenuInfo* FindMainMenu(std::string_view name) {
  for (const TMenuInfo& m : kMenus)
    if (m.Name == name) return &m;
  return nullptr;
}
