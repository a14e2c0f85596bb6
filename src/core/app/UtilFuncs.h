// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The window helpers that lean on the text table. The plain text helpers
// live in base/TextUtil.h, which this header brings along; file names, time
// texts, dialogs and window placement have headers of their own.
#include "base/TextUtil.h"

// The text, or the placeholder of MSG_EMPTY_STR ("...") when it is empty.
std::string NonEmptyOr(const std::string& text);

// Caption of a main-window action: four CR characters push the text below
// the action's picture.
std::string ToolbarCaption(const std::string& text);
