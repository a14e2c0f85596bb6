// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cli.h"

#include <algorithm>
#include <cstdio>

#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "base/NearName.h"
#include "base/Utf8.h"
#include "store/ProfileFolders.h"

namespace {

std::vector<const TCliCommand*>& Registry() {
  static std::vector<const TCliCommand*> commands;
  return commands;
}

void ReadSettingsAndLanguage() {
  ApplySettingDefaults();
  ReadSettings();
  if (std::string fallBack = FallBackToBuildLanguage(); !fallBack.empty())
    std::fprintf(stderr, "kinovert-cli: %s\n", ShownMessage(fallBack).c_str());
}

}  // namespace

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
  ReadSettingsAndLanguage();
  if (std::string problem = PrepareProfileFolders(); !problem.empty())
    std::fprintf(stderr, "kinovert-cli: %s\n", ShownMessage(problem).c_str());
}

void ViewProfiles() {
  ReadSettingsAndLanguage();
  ViewProfileFolders();
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

std::string OptionHelp(const std::vector<TCliOption>& options) {
  std::vector<std::string> heads;
  size_t width = 0;
  for (const TCliOption& o : options) {
    std::string head = o.Short != 0 ? std::string("-") + o.Short + ", " : "    ";
    head += LongName(o);
    if (o.ValueName != nullptr) head += std::string(" ") + o.ValueName;
    width = std::max(width, head.size());
    heads.push_back(head);
  }
  std::string out;
  for (size_t i = 0; i < options.size(); ++i)
    out +=
        WrapText("  " + heads[i] + std::string(width - heads[i].size() + 2, ' ') + options[i].Help,
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
    if (!line.empty() && TextColumns(line) + TextColumns(word) > kWidth &&
        line.find_first_not_of(' ') != std::string::npos && TextColumns(line) > indent) {
      out += line + "\n";
      line = std::string(indent, ' ');
      if (!word.empty() && word.front() == ' ') word.remove_prefix(1);
    }
    line += word;
    pos = end;
  }
  return out + line + "\n";
}
