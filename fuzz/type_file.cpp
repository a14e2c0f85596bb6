// SPDX-License-Identifier: GPL-3.0-or-later
// A type file of any content: the lists, the open-dialog filter and the type
// test work on whatever it holds.
#include <cstdint>
#include <string>

#include "app/Dialogs.h"
#include "app/GlobalVars.h"
#include "app/TypeFile.h"
#include "base/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  LoadTypeFileFrom(TIniFile::FromText("type_any.dat", text));
  std::string filter = InputFilter();
  (void)ParseFileFilter(filter);
  for (const char* ext : {".avi", ".", "", ".MP4", ".a", "\xff"}) (void)IsKnownInputType(ext);
  for (const std::string& e : GlobalVars.AVSExt) (void)IsKnownInputType(e);
  return 0;
}
