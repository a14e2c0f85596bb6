// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

#include "lang/ResStr.h"

// Texts of the table as Qt shows them: the CR LF (or LF CR) line breaks of
// language files become plain line breaks.
QString QtText(std::string_view text);
QString LangText(TMsgKey key);
// A format text of the table with its %s / %d filled in order.
QString LangFormat(TMsgKey key, std::initializer_list<std::string> args);
