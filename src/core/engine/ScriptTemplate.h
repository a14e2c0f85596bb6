// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The DirectShow script of one input: the template with every
// "<%InputFile%>" (any letter case) replaced by the input's name, written so
// that the encoder reads back exactly that name. A name holding a double
// quote goes into a """...""" string in place of the template's "...".
// False, with `why` in words for the user, when the name cannot be written
// so: it holds a line break or three quotes in a row, or holds a quote where
// the template does not put the name between quotes. Converting another
// file than the one asked for would be worse than converting none.
bool FillScriptTemplate(std::string_view text, const std::string& input, std::string& script,
                        std::string* why = nullptr);
