// SPDX-License-Identifier: GPL-3.0-or-later
// A language file of any content: loading it never crashes, every text it
// leaves is valid UTF-8, and the English table comes back when asked.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/IniFile.h"
#include "lang/ResStr.h"

namespace {

bool ValidUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  ResetLanguage();
  LoadLanguageFrom(TIniFile::FromText("any.ini", text));
  for (int k = 0; k < kMsgKeyCount; ++k)
    if (!ValidUtf8(ResStr(static_cast<TMsgKey>(k)))) std::abort();
  ResetLanguage();
  return 0;
}
