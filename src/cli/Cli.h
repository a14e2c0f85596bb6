// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "CliArgs.h"

// Exit codes of kinovert-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the work ran, some of it failed
inline constexpr int kExitUsage = 2;   // bad arguments, or nothing could start

// The signal (SIGINT, SIGTERM, SIGHUP, SIGQUIT) that stopped a batch, 0 when
// none did. Once the batch has cleaned up, the program ends by that signal
// rather than with an exit code, so a shell loop, xargs or find -exec that
// runs it stops too, as after any program a user interrupts.
int StopSignal();

// A command registers itself with a static TCliCommand object.
struct TCliCommand {
  using TRun = int (*)(const TCliArgs& args);
  TCliCommand(const char* name, const char* usage, const char* summary,
              std::vector<TCliOption> options, TRun run, const char* actions = nullptr,
              TValueKind operands = TValueKind::None);
  const char* Name;
  const char* Usage;
  const char* Summary;
  std::vector<TCliOption> Options;  // its own; AllOptions adds --help and --home
  TRun Run;
  const char* Actions;  // the words its first operand takes, blank-separated, or nullptr
  TValueKind Operands;  // what its (other) operands are, for completion
  std::vector<TCliOption> AllOptions() const;
};

const std::vector<const TCliCommand*>& CliCommands();
const TCliCommand* FindCommand(std::string_view name);

// The options before the command name.
const std::vector<TCliOption>& GlobalOptions();

// Applies --home when given.
void ApplyHome(const TCliArgs& args);

// -t, --target FORMAT, as every command that works on one target takes it.
inline const TCliOption kTargetOption = {"target", 't', "FORMAT", "the target format",
                                         TValueKind::Target};

// The settings and the profile tree as convert uses them: an installed
// program's user gets the shipped profiles on first use.
void PrepareProfiles();
// The same for list and completion, which only read: nothing is written
// into the user's folders (ViewProfileFolders).
void ViewProfiles();

// Target format from --target; throws TUsageError when missing or unknown.
int TakeTarget(const TCliArgs& args);

// " (did you mean 'X'?)" for the nearest of the names, "" when none is near.
std::string DidYouMean(std::string_view name, const std::vector<std::string>& names,
                       std::string_view prefix = "");
// The names one after the other, separated by ", ".
std::string JoinNames(const std::vector<std::string>& names);

// The text in lines of at most 79 columns where it has blanks to break
// at, every line after the first indented by indent blanks; ends in "\n".
std::string WrapText(std::string_view text, size_t indent);

// The option lines of a help text.
std::string OptionHelp(const std::vector<TCliOption>& options);

// The sixteen target names, as the help and the errors list them.
std::vector<std::string> TargetNames();
