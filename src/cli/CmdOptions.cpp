// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli options --target FMT PROFILE_FILE
#include <cstdio>
#include <string>

#include "Cli.h"
#include "app/GlobalVars.h"
#include "profiles/EncoderOptions.h"

namespace {

int RunOptions(const TCliArgs& args) {
  int format = TakeTarget(args);
  std::vector<std::string> rest = args.Positionals();
  if (rest.size() != 1) throw TUsageError{"options needs exactly one PROFILE_FILE"};
  GlobalVars.OutputFormat = static_cast<uint8_t>(format);
  // A missing profile is no error: the options then follow the record as it
  // stands, exactly as a conversion would build them.
  std::string options = BuildEncoderOptions(rest[0]);
  std::fwrite(options.data(), 1, options.size(), stdout);
  std::fputc('\n', stdout);
  return kExitOk;
}

const TCliCommand Command("options", "options --target FORMAT PROFILE_FILE",
                          "print the encoder options a profile stands for (trailing blank kept)",
                          {kTargetOption}, RunOptions, nullptr, TValueKind::File);

}  // namespace
