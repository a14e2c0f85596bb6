// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The media file a script opens through its DirectShowSource("...") call
// (the function name in any letter case); empty when there is none. A
// relative name is taken from the script's folder.
//
// The name is the string literal exactly as written: a """...""" string,
// which may hold quotes, or a plain "..." string, each up to its own closing
// quote(s) followed by "," or ")". The reading never depends on which files
// exist: a misread name must not convert some other file.
std::string ScriptSourceFile(const std::string& scriptText, const std::string& scriptPath);

bool IsScriptPath(const std::string& path);
