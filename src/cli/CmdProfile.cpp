// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli profile default|normalize --target FMT FILE
#include <string>

#include "Cli.h"
#include "base/Error.h"
#include "profiles/ProfileSettings.h"

namespace {

int RunProfile(const TCliArgs& args) {
  int format = TakeTarget(args);
  std::vector<std::string> rest = args.Positionals();
  if (rest.empty()) throw TUsageError{"missing action: default or normalize"};
  const std::string& action = rest[0];
  if (rest.size() != 2) throw TUsageError{"profile " + action + " needs exactly one FILE"};
  const std::string& file = rest[1];
  if (action == "default") {
    DefaultProfile(format);
  } else if (action == "normalize") {
    // The record is as it stands after program start, so a key the file
    // lacks is written as zero or empty.
    LoadProfile(format, file);
  } else {
    throw TUsageError{"unknown profile action '" + action + "' (use default or normalize)"};
  }
  SaveProfile(format, file);
  return kExitOk;
}

const TCliCommand Command("profile", "profile default|normalize --target FORMAT FILE",
                          "write a profile with the defaults of FORMAT, or load FILE and save it "
                          "back with every key",
                          {kTargetOption}, RunProfile, "default normalize", TValueKind::File);

}  // namespace
