// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The media file a script opens through its DirectShowSource("...") call
// (the function name in any letter case); empty when there is none. A
// relative name is taken from the script's folder.
std::string ScriptSourceFile(const std::string& scriptText, const std::string& scriptPath);

bool IsScriptPath(const std::string& path);
