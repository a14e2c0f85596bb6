// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UtilFuncs.h"

#include "lang/ResStr.h"

std::string NonEmptyOr(const std::string& text) {
  return text.empty() ? ResStr(MSG_EMPTY_STR) : text;
}

std::string ToolbarCaption(const std::string& text) {
  return "\r\r\r\r" + text;
}
