// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli time parse TEXT | format MS | encoder TEXT
#include <charconv>
#include <cstdio>
#include <string>

#include "Cli.h"
#include "base/TimeText.h"
#include "base/Utf8.h"

namespace {

int64_t ReadMilliseconds(const std::string& text) {
  int64_t ms = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), ms);
  if (ec != std::errc() || end != text.data() + text.size())
    throw TUsageError{"'" + text + "' is not a whole number of milliseconds"};
  return ms;
}

int RunTime(const TCliArgs& args) {
  std::vector<std::string> rest = args.Positionals();
  if (rest.empty()) throw TUsageError{"missing action: parse, format or encoder"};
  const std::string& action = rest[0];
  if (action != "parse" && action != "format" && action != "encoder")
    throw TUsageError{"unknown time action '" + action + "' (use parse, format or encoder)"};
  if (rest.size() != 2) throw TUsageError{"time " + action + " needs exactly one value"};
  const std::string& value = rest[1];

  if (action == "format") {
    std::printf("%s\n", FormatTimeText(ReadMilliseconds(value)).c_str());
    return kExitOk;
  }
  if (action == "encoder") {
    std::printf("%lld\n", static_cast<long long>(TimeTextToMs(value)));
    return kExitOk;
  }
  int64_t ms = ParseTimeText(value);
  if (ms < 0) {
    std::fprintf(stderr, "kinovert-cli: '%s' is not a time\n", ShownName(value).c_str());
    return kExitFailed;
  }
  std::printf("%lld\n", static_cast<long long>(ms));
  return kExitOk;
}

const TCliCommand Command(
    "time", "time parse TEXT | time format MS | time encoder TEXT",
    "print the milliseconds of a time as the profile editors read it (h:mm:ss.f, m:ss.f, s.f, "
    "s, m:ss, h:mm:ss, where .f is a decimal fraction of a second: 1.5 is 1500; exit 1 when "
    "TEXT is not a time), the time text of MS "
    "milliseconds, or the milliseconds of an encoder time (hh:mm:ss.ff, rounded to the "
    "nearest, ties to even); put -- before a value that begins with '-'",
    {}, RunTime, "parse format encoder");

}  // namespace
