// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// --help and --version of the desktop program. They are answered before Qt
// starts, so they work without a display (a terminal over ssh, a package
// check). Returns the exit code when one was given, -1 to start the program.
int AnswerInfoOptions(int argc, char** argv);

// The files named on the desktop program's command line (after Qt took its
// own options), made absolute. Names stay the bytes they were given, so a
// file whose name is no valid text still opens; "--" ends the options, so a
// file whose name starts with a dash can be named after it.
std::vector<std::string> FilesOnCommandLine(int argc, char** argv);
