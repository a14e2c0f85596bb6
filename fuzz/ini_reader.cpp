// SPDX-License-Identifier: GPL-3.0-or-later
// The INI reader on any text: every read, every write and the text written
// back must work; a written value must read back as written (trimmed, one line).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  TIniFile ini = TIniFile::FromText("fuzz.ini", text);
  for (const std::string& section : ini.ReadSections()) {
    for (const std::string& key : ini.ReadSectionKeys(section)) {
      (void)ini.ReadString(section, key, "");
      (void)ini.ReadInteger(section, key, 7);
      (void)ini.ReadBool(section, key, false);
    }
    (void)ini.ReadSectionValues(section);
  }
  ini.WriteString("Fuzz", "Key", "value");
  ini.WriteInteger("General", "Number", -12);
  if (ini.ReadString("Fuzz", "Key", "") != "value") std::abort();
  if (ini.ReadInteger("General", "Number", 0) != -12) std::abort();
  TIniFile again = TIniFile::FromText("fuzz.ini", ini.Text());
  if (again.ReadString("Fuzz", "Key", "") != "value") std::abort();
  return 0;
}
