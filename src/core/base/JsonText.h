// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The JSON string literal of a text, quotes included. File names are bytes,
// not always UTF-8: every byte that does not belong to a well-formed UTF-8
// sequence becomes \ufffd, so the result is always valid JSON and the rest of
// the name stays readable. Quotes, backslashes and control characters are
// escaped; everything else is copied as it is.
std::string JsonString(std::string_view text);
