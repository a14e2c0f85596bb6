// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Exit codes of kinovert-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the work ran, some of it failed
inline constexpr int kExitUsage = 2;   // bad arguments, or nothing could start

// A usage or set-up error: one line on stderr, exit code 2.
struct TUsageError {
  std::string Message;
};

// The arguments of one command, after the command name.
class TCliArgs {
 public:
  explicit TCliArgs(std::vector<std::string> args) : Args_(std::move(args)) {}

  // Takes "--name VALUE" or "--name=VALUE"; "" when absent. Throws TUsageError
  // when the option is given without a value.
  std::string TakeOption(std::string_view name);
  // Takes a "--name" switch; true when present.
  bool TakeFlag(std::string_view name);
  // What is left, in order, with a "--" separator removed; throws on a
  // leftover "--option" that no command took.
  std::vector<std::string> Positionals();

 private:
  std::vector<std::string> Args_;
};

// A command registers itself with a static TCliCommand object.
struct TCliCommand {
  using TRun = int (*)(TCliArgs& args);
  TCliCommand(const char* name, const char* usage, const char* summary, TRun run);
  const char* Name;
  const char* Usage;
  const char* Summary;
  TRun Run;
};

const std::vector<const TCliCommand*>& CliCommands();

// Target format from --target; throws TUsageError when missing or unknown.
int TakeTarget(TCliArgs& args);
