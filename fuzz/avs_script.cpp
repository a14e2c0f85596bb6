// SPDX-License-Identifier: GPL-3.0-or-later
// The DirectShow script reader on any text: the file it names lies in the
// script's folder or is absolute, and an existing reading is preferred.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "AvsScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  // Some readings exist, so the search goes past the first.
  auto exists = [](const std::string& path) { return path.size() % 5 == 0; };
  std::string named = ScriptSourceFile(text, "/scripts/DirectShow.avs", exists);
  if (!named.empty() && named[0] != '/') std::abort();
  std::string plain = ScriptSourceFile(text, "/scripts/DirectShow.avs");
  if (named.empty() != plain.empty()) std::abort();
  (void)IsScriptPath(text);
  return 0;
}
