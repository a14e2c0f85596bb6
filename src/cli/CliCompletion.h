// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The command the shells' completion scripts run:
//   kinovert-cli __complete WORD... CURRENT
// with the words of the command line after the program's name, the last one
// being the word under the cursor (possibly empty, with any "--name=" kept).
// It prints what to do on the first line, "words", "files" or "dirs", and for
// "words" the candidates that begin with the current word (after a
// "--name=", with what follows the "="), one per line. The profile and preset
// names are those of the user's store, read as 'kinovert-cli list' reads them,
// with --home and --target of the same command line. It never fails.
inline constexpr const char* kCompletionCommand = "__complete";
int RunCompletion(const std::vector<std::string>& words);
