// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The program folder holds the executables and every data file. It is the
// folder of the running executable, unless KINOVERT_HOME names another one or
// the caller chose one (kinovert-cli --home, tests). Always ends with "/".
std::string ProgramFolder();

// Overrides the program folder for the rest of the run; "" returns to the default.
void SetProgramFolder(const std::string& folder);
