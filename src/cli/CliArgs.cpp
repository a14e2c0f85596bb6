// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliArgs.h"

#include <getopt.h>

#include <algorithm>
#include <stdexcept>

#include "Cli.h"

namespace {

// Long options get codes above every character, so a short one never clashes.
constexpr int kLongBase = 0x100;

}  // namespace

TCliArgs::TCliArgs(const std::vector<TCliOption>& options, const std::vector<std::string>& args,
                   TMode mode)
    : Options_(options) {
  std::vector<option> longs;
  // "-": operands come back in order (code 1), whatever POSIXLY_CORRECT says;
  // ":": a missing value is told apart from an unknown option.
  std::string shorts = "-:";
  for (size_t i = 0; i < Options_.size(); ++i) {
    const TCliOption& o = Options_[i];
    const int hasValue = o.ValueName != nullptr ? required_argument : no_argument;
    longs.push_back({o.Name, hasValue, nullptr, kLongBase + static_cast<int>(i)});
    if (o.Short != 0) {
      shorts += o.Short;
      if (hasValue == required_argument) shorts += ':';
    }
  }
  longs.push_back({nullptr, 0, nullptr, 0});

  std::vector<std::string> words = args;
  words.insert(words.begin(), "kinovert-cli");
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(words.size());

  auto byCode = [&](int code) -> const TCliOption* {
    if (code >= kLongBase && code - kLongBase < static_cast<int>(Options_.size()))
      return &Options_[static_cast<size_t>(code - kLongBase)];
    for (const TCliOption& o : Options_)
      if (o.Short != 0 && o.Short == code) return &o;
    return nullptr;
  };

  optind = 0;  // a fresh scan (GNU)
  opterr = 0;
  for (;;) {
    const int c = getopt_long(argc, argv.data(), shorts.c_str(), longs.data(), nullptr);
    if (c == -1) break;
    if (c == 1) {
      Positionals_.push_back(optarg);
      if (mode.StopAtOperand) break;
      continue;
    }
    if (c == ':') {
      const TCliOption* o = byCode(optopt);
      if (mode.Tolerant) {
        Pending_ = o;
        continue;
      }
      throw TUsageError{"option " + (o != nullptr ? LongName(*o) : std::string()) +
                        " needs a value"};
    }
    if (c == '?') {
      if (mode.Tolerant) continue;
      if (const TCliOption* o = byCode(optopt); o != nullptr && optopt >= kLongBase)
        throw TUsageError{"option " + LongName(*o) + " takes no value"};
      std::string given = optopt != 0 ? std::string("-") + static_cast<char>(optopt)
                                      : std::string(argv[static_cast<size_t>(optind - 1)]);
      const std::string name = given.substr(0, given.find('='));
      std::vector<std::string> names, matching;
      for (const TCliOption& o : Options_) {
        names.push_back(LongName(o));
        if (names.back().rfind(name, 0) == 0) matching.push_back(names.back());
      }
      if (optopt == 0 && matching.size() > 1)
        throw TUsageError{"option " + name + " is ambiguous (" + JoinNames(matching) + ")"};
      throw TUsageError{"unknown option " + name + DidYouMean(name, names)};
    }
    const TCliOption* o = byCode(c);
    const std::string value = optarg != nullptr ? optarg : "";
    if (o->ValueName != nullptr && value.empty() && !mode.Tolerant)
      throw TUsageError{"option " + LongName(*o) + " needs a value"};
    Given_.emplace_back(o, value);
  }
  if (optind > 1 && optind <= argc && words[static_cast<size_t>(optind - 1)] == "--")
    OptionsEnded_ = true;
  for (int i = optind; i < argc; ++i) Positionals_.push_back(words[static_cast<size_t>(i)]);
  optind = 0;
}

std::string LongName(const TCliOption& option) {
  return std::string("--") + option.Name;
}

const TCliOption* TCliArgs::Find(std::string_view name) const {
  for (const TCliOption& o : Options_)
    if (name == o.Name) return &o;
  // A command asking for an option it never declared is a fault of ours.
  throw std::logic_error("undeclared option --" + std::string(name));
}

std::string TCliArgs::Option(std::string_view name) const {
  const TCliOption* o = Find(name);
  std::string value;
  for (const auto& [given, v] : Given_)
    if (given == o) value = v;
  return value;
}

bool TCliArgs::Flag(std::string_view name) const {
  const TCliOption* o = Find(name);
  return std::any_of(Given_.begin(), Given_.end(), [&](const auto& g) { return g.first == o; });
}
