// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "lang/ResStr.h"

// The main window's commands as data: each action once, with its caption
// key and shortcut, and each menu as a list of actions. Windows create one
// toolkit action per entry and share it between buttons and menus.

// How a caption is written: as it is, below the picture of a toolbar button,
// or indented by three blanks (Edit Profile's button).
enum class TCaptionStyle { Plain, Toolbar, Indented };

struct TActionInfo {
  std::string_view Name;             // "ActionConvert"; the object name
  std::optional<TMsgKey> Caption = std::nullopt;  // none: a button with a picture only
  TCaptionStyle Style = TCaptionStyle::Plain;
  std::string_view Shortcut;         // portable key text ("Ctrl+N", "F9"), "" for none
  bool ListShortcut = false;         // the shortcut works only while the file list has focus
  std::optional<TMsgKey> Tip = std::nullopt;  // what a picture-only button says when pointed at
};

std::span<const TActionInfo> MainActions();
const TActionInfo* FindMainAction(std::string_view name);

// The caption an action shows in the current language ("" for none).
std::string ActionCaption(const TActionInfo& action);
// The tooltip text: the caption without its layout characters, else the tip.
std::string ActionTip(const TActionInfo& action);

// Menu entries: an action name, kSeparator, or one of the two submenus.
inline constexpr std::string_view kSeparator = "-";
inline constexpr std::string_view kLanguagesSubmenu = "LanguagesMI";
inline constexpr std::string_view kConvertToSubmenu = "ConvertToMI";

struct TMenuInfo {
  std::string_view Name;  // "PopupMenuHelp"
  std::span<const std::string_view> Entries;
};

std::span<const TMenuInfo> MainMenus();
const TMenuInfo* FindMainMenu(std::string_view name);

// The "Convert to" submenu lists every target in OutputFormat order, the
// current one checked; its entries run the target's own action.
