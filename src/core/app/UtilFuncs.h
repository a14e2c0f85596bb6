// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The text helpers that lean on the text table. Plain text helpers are in
// base/TextUtil.h; file names, time texts, dialogs and window placement have
// headers of their own.

// The text, or the placeholder of MSG_EMPTY_STR ("...") when it is empty.
std::string NonEmptyOr(const std::string& text);

// Caption of a main-window action: four CR characters push the text below
// the action's picture.
std::string ToolbarCaption(const std::string& text);
