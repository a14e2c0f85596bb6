// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A folder as a user types it: a leading "~", alone or before "/", stands
// for the home folder, as a shell would read it; anything else stays as it
// is (a shell expands "~" before a program sees it, but not in a text box,
// nor in "--output=~/x" or a quoted "~/x").
std::string ExpandHomePrefix(const std::string& folder);

// The output folder box's text as a full path: blanks around it dropped and
// a leading "~" expanded. "" when it is empty, or names no full path even
// then ("converted", "~user/x"): such a folder would be made below whatever
// folder the program happened to start in, and one literally named "~" is a
// trap for whoever removes it later with "rm -r ~".
std::string OutputFolderPath(const std::string& text);
