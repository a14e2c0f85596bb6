// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The text, or the placeholder of MSG_EMPTY_STR ("...") when it is empty.
std::string NonEmptyOr(const std::string& text);
