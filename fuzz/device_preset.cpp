// SPDX-License-Identifier: GPL-3.0-or-later
// A device preset of any content turned into the lines of a batch file, with
// file names of any content: every value put in for a placeholder reaches
// the shell as one quoted word, whatever it holds.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/IniFile.h"
#include "engine/CommandLine.h"
#include "store/DevicePresets.h"

namespace {

// What /bin/sh makes of a single-quoted word at `at`: the value, or abort.
std::string ReadQuoted(const std::string& line, size_t& at) {
  std::string value;
  for (;;) {
    if (at >= line.size() || line[at] != '\'') std::abort();
    size_t close = line.find('\'', at + 1);
    if (close == std::string::npos) std::abort();
    value += line.substr(at + 1, close - at - 1);
    at = close + 1;
    if (line.compare(at, 3, "\\''") != 0) return value;
    value += '\'';
    at += 2;
  }
}

}  // namespace

// Input: a file name up to the first NUL, then the preset text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view all(reinterpret_cast<const char*>(data), size);
  size_t nul = all.find('\0');
  std::string name(all.substr(0, nul));
  std::string_view text = nul == std::string_view::npos ? std::string_view() : all.substr(nul + 1);
  TIniFile ini = TIniFile::FromText("/presets/any.ini", text);
  for (const TProfileDetailItem& item : PresetItemsOf(ini)) {
    for (const std::string& command : PresetCommandsOf(ini, item.Section)) {
      std::string line = FillTemplate(command, {{"<%InputFile%>", ShellQuote(name)}});
      (void)line;
    }
  }
  // The quoting itself, alone: one placeholder gives back the name exactly.
  std::string line = FillTemplate("<%InputFile%>", {{"<%InputFile%>", ShellQuote(name)}});
  size_t at = 0;
  if (ReadQuoted(line, at) != name || at != line.size()) std::abort();
  return 0;
}
