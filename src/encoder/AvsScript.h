// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

// The media file a script opens through its DirectShowSource("...") call
// (the function name in any letter case); empty when there is none. A
// relative name is taken from the script's folder.
//
// The batch writes a path into the script as it is, so a name holding a
// double quote ends the string early. When the name read up to the first
// quote does not `exist`, longer readings up to each later quote on the line
// are tried; with none existing, the shortest reading is returned.
std::string ScriptSourceFile(const std::string& scriptText, const std::string& scriptPath,
                             const std::function<bool(const std::string&)>& exists = nullptr);

bool IsScriptPath(const std::string& path);
