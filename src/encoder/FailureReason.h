// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "Console.h"
#include "ConsoleRelay.h"

// The "Error ..." line that says why FFmpeg failed: in the user's words
// where the cause is known, else FFmpeg's own first error line.
std::string ExplainFailure(const TFfmpegReport& report, const TConsoleNames& names, int exitCode);
