// SPDX-License-Identifier: GPL-3.0-or-later
#include "LegacyCommand.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 8> kFlags = {"-y", "-n", "-an", "-vn", "-sn", "-sameq", "-shortest", "-dn"};

bool IsFlag(const std::string& a) {
  return std::find(kFlags.begin(), kFlags.end(), a) != kFlags.end();
}

// Options known to take a value, so that a value such as "-2" is never
// mistaken for the next option.
bool TakesValue(const std::string& a) {
  static constexpr std::array<std::string_view, 38> kValued = {
      "-p",       "-i",     "-f",       "-t",      "-ss",     "-to",     "-vcodec", "-s",
      "-b",       "-r",     "-aspect",  "-acodec", "-ac",     "-ab",     "-ar",     "-target",
      "-strict",  "-vf",    "-af",      "-pix_fmt", "-b:v",   "-b:a",    "-c:v",    "-c:a",
      "-q:v",     "-qscale", "-crf",    "-threads", "-map",   "-metadata", "-vtag", "-atag",
      "-g",       "-bf",    "-maxrate", "-bufsize", "-preset", "-profile:v"};
  return std::find(kValued.begin(), kValued.end(), a) != kValued.end();
}

bool LooksLikeOption(const std::string& a) {
  if (a.size() < 2 || a[0] != '-') return false;
  // A negative number is a value, not an option.
  return !(a[1] >= '0' && a[1] <= '9');
}

}  // namespace

TLegacyCommand ParseLegacyCommand(const std::vector<std::string>& rawArgs) {
  TLegacyCommand cmd;
  // The batch joins its pieces with blanks and may leave empty words behind.
  std::vector<std::string> args;
  for (const std::string& a : rawArgs)
    if (!a.empty()) args.push_back(a);

  if (args.empty()) {
    cmd.Error = "no input and output file given";
    return cmd;
  }
  // The output is always the last word, even when it starts with a dash.
  const size_t last = args.size() - 1;
  bool haveInput = false;
  size_t i = 0;
  for (; i < last; ++i) {
    const std::string& a = args[i];
    if (a == "-p" || a == "-i") {
      if (i + 1 >= last) break;
      const std::string& v = args[++i];
      if (a == "-p") {
        cmd.AccessGranted = v == kAccessCode;
      } else {
        cmd.Input = v;
        haveInput = true;
      }
      continue;
    }
    TLegacyOption opt;
    opt.Name = a;
    if (!IsFlag(a) && i + 1 < last &&
        (TakesValue(a) || (LooksLikeOption(a) && !LooksLikeOption(args[i + 1])))) {
      opt.Value = args[++i];
      opt.HasValue = true;
    }
    cmd.Options.push_back(opt);
  }
  if (i != last || IsFlag(args[last]) || TakesValue(args[last])) {
    cmd.Error = "no output file given after the options";
    return cmd;
  }
  cmd.Output = args[last];
  if (!haveInput) cmd.Error = "no input file given (\"-i\" is missing)";
  return cmd;
}
