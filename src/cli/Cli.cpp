// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cli.h"

#include <getopt.h>

#include <algorithm>
#include <stdexcept>

#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/Settings.h"
#include "base/NearName.h"
#include "store/ProfileFolders.h"

namespace {

std::vector<const TCliCommand*>& Registry() {
  static std::vector<const TCliCommand*> commands;
  return commands;
}

// Long options get codes above every character, so a short one never clashes.
constexpr int kLongBase = 0x100;

std::string Dashed(const TCliOption& o) {
  return std::string("--") + o.Name;
}

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
      throw TUsageError{"option " + (o != nullptr ? Dashed(*o) : std::string()) + " needs a value"};
    }
    if (c == '?') {
      if (mode.Tolerant) continue;
      if (const TCliOption* o = byCode(optopt); o != nullptr && optopt >= kLongBase)
        throw TUsageError{"option " + Dashed(*o) + " takes no value"};
      std::string given = optopt != 0 ? std::string("-") + static_cast<char>(optopt)
                                      : std::string(argv[static_cast<size_t>(optind - 1)]);
      const std::string name = given.substr(0, given.find('='));
      std::vector<std::string> names, matching;
      for (const TCliOption& o : Options_) {
        names.push_back(Dashed(o));
        if (names.back().rfind(name, 0) == 0) matching.push_back(names.back());
      }
      if (optopt == 0 && matching.size() > 1)
        throw TUsageError{"option " + name + " is ambiguous (" + JoinNames(matching) + ")"};
      throw TUsageError{"unknown option " + name + DidYouMean(name, names)};
    }
    const TCliOption* o = byCode(c);
    const std::string value = optarg != nullptr ? optarg : "";
    if (o->ValueName != nullptr && value.empty() && !mode.Tolerant)
      throw TUsageError{"option " + Dashed(*o) + " needs a value"};
    Given_.emplace_back(o, value);
  }
  if (optind > 1 && optind <= argc && words[static_cast<size_t>(optind - 1)] == "--")
    OptionsEnded_ = true;
  for (int i = optind; i < argc; ++i) Positionals_.push_back(words[static_cast<size_t>(i)]);
  optind = 0;
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

TCliCommand::TCliCommand(const char* name, const char* usage, const char* summary,
                         std::vector<TCliOption> options, TRun run, const char* actions,
                         TValueKind operands)
    : Name(name),
      Usage(usage),
      Summary(summary),
      Options(std::move(options)),
      Run(run),
      Actions(actions),
      Operands(operands) {
  Registry().push_back(this);
}

std::vector<TCliOption> TCliCommand::AllOptions() const {
  std::vector<TCliOption> all = Options;
  all.push_back({"help", 'h', nullptr, "show this command's help"});
  all.push_back({"home", 0, "DIR", "use DIR as the program folder", TValueKind::Folder});
  return all;
}

const std::vector<const TCliCommand*>& CliCommands() {
  auto& r = Registry();
  std::sort(r.begin(), r.end(),
            [](auto* a, auto* b) { return std::string_view(a->Name) < b->Name; });
  return r;
}

const TCliCommand* FindCommand(std::string_view name) {
  for (const TCliCommand* c : CliCommands())
    if (name == c->Name) return c;
  return nullptr;
}

const std::vector<TCliOption>& GlobalOptions() {
  static const std::vector<TCliOption> options = {
      {"home", 0, "DIR",
       "use DIR as the program folder (default: the folder of this program, or $KINOVERT_HOME)",
       TValueKind::Folder},
      {"help", 'h', nullptr, "show this help"},
      {"version", 0, nullptr, "show the version"},
  };
  return options;
}

void ApplyHome(const TCliArgs& args) {
  if (std::string home = args.Option("home"); !home.empty()) SetProgramFolder(home);
}

void PrepareProfiles() {
  ApplySettingDefaults();
  ReadSettings();
  PrepareProfileFolders();
}

std::vector<std::string> TargetNames() {
  return {OutputFormatNames.begin(), OutputFormatNames.end()};
}

int TakeTarget(const TCliArgs& args) {
  std::string name = args.Option("target");
  if (name.empty()) throw TUsageError{"missing --target FORMAT"};
  int format = OutputFormatFromName(name);
  if (format < 0)
    throw TUsageError{"unknown target format '" + name + "'" + DidYouMean(name, TargetNames()) +
                      "; use one of " + JoinNames(TargetNames())};
  return format;
}

std::string DidYouMean(std::string_view name, const std::vector<std::string>& names,
                       std::string_view prefix) {
  std::string near = NearestName(name, names);
  return near.empty() ? "" : " (did you mean '" + std::string(prefix) + near + "'?)";
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

size_t TextWidth(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string OptionHelp(const std::vector<TCliOption>& options) {
  std::vector<std::string> heads;
  size_t width = 0;
  for (const TCliOption& o : options) {
    std::string head = o.Short != 0 ? std::string("-") + o.Short + ", " : "    ";
    head += Dashed(o);
    if (o.ValueName != nullptr) head += std::string(" ") + o.ValueName;
    width = std::max(width, head.size());
    heads.push_back(head);
  }
  std::string out;
  for (size_t i = 0; i < options.size(); ++i)
    out += WrapText("  " + heads[i] + std::string(width - heads[i].size() + 2, ' ') + options[i].Help,
                    width + 4);
  return out;
}

std::string WrapText(std::string_view text, size_t indent) {
  constexpr size_t kWidth = 79;
  std::string out, line;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(' ', pos + 1);
    if (end == std::string_view::npos) end = text.size();
    std::string_view word = text.substr(pos, end - pos);  // with its leading blank
    if (!line.empty() && TextWidth(line) + TextWidth(word) > kWidth &&
        line.find_first_not_of(' ') != std::string::npos && TextWidth(line) > indent) {
      out += line + "\n";
      line = std::string(indent, ' ');
      if (!word.empty() && word.front() == ' ') word.remove_prefix(1);
    }
    line += word;
    pos = end;
  }
  return out + line + "\n";
}
