// SPDX-License-Identifier: GPL-3.0-or-later
// Command lines of any content split without trouble, and any argument
// quoted by the program splits back into exactly itself.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)SplitCommandLine(text);
  (void)IsBlankText(text);
  std::string quoted = QuoteArgument(text);
  std::vector<std::string> back = SplitCommandLine("prog " + quoted + " last");
  if (back.size() != 3 || back[1] != text || back[2] != "last") std::abort();
  (void)PlanLaunch("", std::string(text), "/usr/bin:/bin", "/tmp");
  return 0;
}
