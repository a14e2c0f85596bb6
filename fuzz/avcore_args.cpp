// SPDX-License-Identifier: GPL-3.0-or-later
// avcore's command line, one argument per line of the input: reading it
// against the legacy grammar and translating what passes. Whatever the
// words, FFmpeg gets exactly one input and one output, both as plain files,
// and nothing else of the command line reaches it as a file name.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "LegacyCommand.h"
#include "Translate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> args;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    args.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  TLegacyCommand cmd = ParseLegacyCommand(args);
  if (!cmd.Error.empty() || !cmd.AccessGranted) return 0;
  TTranslation t = TranslateCommand(cmd, cmd.Input);
  if (!t.Error.empty()) return 0;
  const std::string in = FfmpegFileArg(cmd.Input), out = FfmpegFileArg(cmd.Output);
  if (t.Args.empty() || t.Args.back() != out) std::abort();
  int inputs = 0;
  for (size_t i = 0; i + 1 < t.Args.size(); ++i) {
    if (t.Args[i] == "-i") {
      ++inputs;
      if (t.Args[i + 1] != in) std::abort();
    } else if (t.Args[i].rfind("file:", 0) == 0 && !(i > 0 && t.Args[i - 1] == "-i")) {
      std::abort();
    }
  }
  if (inputs != 1) std::abort();
  return 0;
}
