// SPDX-License-Identifier: GPL-3.0-or-later
// A shared profile of any format, loaded over the defaults and turned into
// encoder options: whatever the file says, the options hold no text of it
// (no quote, no line break, no second input) and every piece is an option
// or the value of the option before it.
#include <cstdint>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/GlobalVars.h"
#include "base/IniFile.h"
#include "profiles/EncoderOptions.h"
#include "profiles/ProfileSettings.h"
#include "LegacyCommand.h"
#include "Translate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  int format = data[0] % kOutputFormatCount;
  std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  DefaultProfile(format);
  LoadProfileFrom(format, TIniFile::FromText("shared.ini", text));
  GlobalVars.OutputFormat = static_cast<uint8_t>(format);
  std::string options = OptionsOfRecord(format);
  if (options.find_first_of("\"'\\\r\n\t`$;|&<>") != std::string::npos) std::abort();
  std::istringstream words(options);
  std::string word;
  bool valueExpected = false;
  while (words >> word) {
    if (word == "-i") std::abort();
    bool option = word[0] == '-' && word.size() > 1 && !std::isdigit(static_cast<unsigned char>(word[1]));
    if (!option && !valueExpected) std::abort();  // a loose word would be read as a file
    // Flags take no value; every other option takes exactly one.
    valueExpected = option && word != "-y" && word != "-sameq" && word != "-an" && word != "-vn";
  }
  // And the encoder adapter takes what the builder wrote, or refuses it.
  std::vector<std::string> args = {"-p", "5310746", "-i", "in.avi"};
  std::istringstream again(options);
  while (again >> word) args.push_back(word);
  args.push_back("out.file");
  TLegacyCommand cmd = ParseLegacyCommand(args);
  if (cmd.AccessGranted && cmd.Error.empty()) (void)TranslateCommand(cmd, "in.avi");
  return 0;
}
