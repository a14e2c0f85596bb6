// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The access code the batch passes on every run.
inline constexpr const char* kAccessCode = "5310746";

struct TLegacyOption {
  std::string Name;   // with its dash, e.g. "-vcodec"
  std::string Value;  // empty for flags
  bool HasValue = false;
};

// The command line as the batch writes it:
//   -p 5310746 -i INPUT OPTIONS... OUTPUT
// where every option must be one of the legacy grammar (LegacyGrammar.h)
// with a value of its shape; the first fault found is kept in `Error`.
struct TLegacyCommand {
  bool AccessGranted = false;
  std::string Input;
  std::string Output;
  std::vector<TLegacyOption> Options;  // in command-line order, without -p and -i
  std::string Error;                   // set when the command line cannot be used
};

TLegacyCommand ParseLegacyCommand(const std::vector<std::string>& args);
