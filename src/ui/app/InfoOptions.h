// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// --help and --version of the desktop program. They are answered before Qt
// starts, so they work without a display (a terminal over ssh, a package
// check). Returns the exit code when one was given, -1 to start the program.
int AnswerInfoOptions(int argc, char** argv);
