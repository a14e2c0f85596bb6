// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCompletion.h"

#include <cstdio>
#include <exception>
#include <optional>

#include "Cli.h"
#include "ConvertChoice.h"
#include "app/GlobalVars.h"
#include "base/FileNames.h"
#include "base/TextUtil.h"
#include "store/DevicePresets.h"
#include "store/ProfileList.h"

namespace {

struct TAnswer {
  const char* Action = "words";
  std::vector<std::string> Words;
};

TAnswer Files() {
  return {"files", {}};
}
TAnswer Folders() {
  return {"dirs", {}};
}
TAnswer Words(std::vector<std::string> words) {
  return {"words", std::move(words)};
}

std::optional<int> TargetOf(const TCliArgs& args) {
  const int format = OutputFormatFromName(args.Option("target"));
  if (format < 0) return std::nullopt;
  return format;
}

std::vector<std::string> PresetFileNames(const std::vector<TProfileItem>& presets) {
  std::vector<std::string> out;
  for (const TProfileItem& p : presets) out.push_back(FileNamePart(p.FileName));
  return out;
}

// What the value of an option may be, given the rest of the command line.
TAnswer Values(const TCliOption& option, const std::string& typed, const TCliArgs* args) {
  const std::optional<int> target = args != nullptr ? TargetOf(*args) : std::nullopt;
  switch (option.Kind) {
    case TValueKind::None:
      break;
    case TValueKind::Target: {
      // Offered in the letter case the user began with.
      std::vector<std::string> names = TargetNames();
      if (!typed.empty() && LowerCaseAscii(typed) == typed)
        for (std::string& n : names) n = LowerCaseAscii(n);
      return Words(names);
    }
    case TValueKind::Profile:
      if (typed.find('/') != std::string::npos) return Files();
      if (!target) break;
      ViewProfiles();
      return Words(ProfileNames(ListProfiles(*target)));
    case TValueKind::Device: {
      if (typed.find('/') != std::string::npos) return Files();
      ViewProfiles();
      TDevicePresets presets;
      LoadDevicePresets(GlobalVars.DefaultSettingDir, presets);
      return Words(
          PresetFileNames(target ? PresetsForTarget(presets, *target) : AllPresets(presets)));
    }
    case TValueKind::Item: {
      if (args == nullptr || args->Option("device").empty()) break;
      ViewProfiles();
      std::vector<std::string> sections;
      for (const TProfileDetailItem& i :
           PresetItems(ResolveDevicePreset(target.value_or(ofMP4), args->Option("device"))))
        sections.push_back(i.Section);
      return Words(sections);
    }
    case TValueKind::Folder:
      return Folders();
    case TValueKind::File:
      return Files();
    case TValueKind::Choice:
      return Words(SplitText(option.Choices, ' '));
  }
  return Words({});
}

std::vector<std::string> OptionNames(const std::vector<TCliOption>& options) {
  std::vector<std::string> out;
  for (const TCliOption& o : options) out.push_back(LongName(o));
  return out;
}

const TCliOption* OptionNamed(const std::vector<TCliOption>& options, const std::string& name) {
  for (const TCliOption& o : options)
    if (name == o.Name) return &o;
  return nullptr;
}

// current is the word under the cursor; typed is what of it the candidates
// must begin with.
TAnswer Complete(const std::vector<std::string>& before, const std::string& current,
                 std::string& typed) {
  const TCliArgs global(GlobalOptions(), before, {.StopAtOperand = true, .Tolerant = true});
  ApplyHome(global);
  if (global.Positionals().empty()) {
    if (const TCliOption* pending = global.Pending()) return Values(*pending, typed, nullptr);
    if (!current.empty() && current[0] == '-') return Words(OptionNames(GlobalOptions()));
    std::vector<std::string> names;
    for (const TCliCommand* c : CliCommands()) names.push_back(c->Name);
    return Words(names);
  }
  const TCliCommand* command = FindCommand(global.Positionals().front());
  if (command == nullptr) return Words({});
  const std::vector<TCliOption> options = command->AllOptions();
  const std::vector<std::string> rest(global.Positionals().begin() + 1, global.Positionals().end());
  const TCliArgs args(options, rest, {.Tolerant = true});
  ApplyHome(args);
  if (const TCliOption* pending = args.Pending()) return Values(*pending, typed, &args);
  if (!args.OptionsEnded() && !current.empty() && current[0] == '-') {
    const size_t equals = current.find('=');
    if (current.rfind("--", 0) == 0 && equals != std::string::npos) {
      typed = current.substr(equals + 1);
      const TCliOption* option = OptionNamed(options, current.substr(2, equals - 2));
      return option != nullptr ? Values(*option, typed, &args) : Words({});
    }
    return Words(OptionNames(options));
  }
  if (command->Actions != nullptr && args.Positionals().empty())
    return Words(SplitText(command->Actions, ' '));
  return command->Operands == TValueKind::File ? Files() : Words({});
}

}  // namespace

int RunCompletion(const std::vector<std::string>& words) {
  const std::string current = words.empty() ? "" : words.back();
  const std::vector<std::string> before(words.begin(), words.end() - (words.empty() ? 0 : 1));
  std::string typed = current;
  TAnswer answer;
  try {
    answer = Complete(before, current, typed);
  } catch (...) {
    // A half-typed line names folders and presets that are not there (yet):
    // nothing to offer, and nothing to say about it.
    answer = Words({});
  }
  std::printf("%s\n", answer.Action);
  for (const std::string& w : answer.Words)
    if (w.rfind(typed, 0) == 0) std::printf("%s\n", w.c_str());
  return kExitOk;
}
