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

// What shell completion offers for an option's value or an operand.
enum class TValueKind { None, Target, Profile, Device, Item, Folder, File, Choice };

// One option of a command: --Name, and -Short when it has one.
struct TCliOption {
  const char* Name;
  char Short;
  const char* ValueName;  // nullptr: a switch, which takes no value
  const char* Help;
  TValueKind Kind = TValueKind::None;
  const char* Choices = nullptr;  // for TValueKind::Choice: the values, blank-separated
};

// The arguments of one command after the command name, read left to right in
// the usual way (the C library's getopt_long): "--name VALUE", "--name=VALUE",
// "-n VALUE", "-nVALUE", an unambiguous beginning of a long name, and "--" to
// end the options. Options and operands may come in any order.
class TCliArgs {
 public:
  struct TMode {
    bool StopAtOperand = false;  // the rest from the first operand on is left as operands
    bool Tolerant = false;       // no errors: what cannot be read is passed over
  };
  // Throws TUsageError for an unknown or ambiguous option, a missing value
  // or a value given to a switch (unless tolerant).
  TCliArgs(const std::vector<TCliOption>& options, const std::vector<std::string>& args,
           TMode mode);
  // What was read points into its own copy of the options.
  TCliArgs(const TCliArgs&) = delete;
  TCliArgs& operator=(const TCliArgs&) = delete;

  // The value of the option's last occurrence, "" when it is absent.
  std::string Option(std::string_view name) const;
  bool Flag(std::string_view name) const;
  const std::vector<std::string>& Positionals() const { return Positionals_; }

  // Tolerant reading: the option at the end that still waits for its value.
  const TCliOption* Pending() const { return Pending_; }
  // "--" was read: what follows are operands only.
  bool OptionsEnded() const { return OptionsEnded_; }

 private:
  const TCliOption* Find(std::string_view name) const;

  std::vector<TCliOption> Options_;
  std::vector<std::pair<const TCliOption*, std::string>> Given_;
  std::vector<std::string> Positionals_;
  const TCliOption* Pending_ = nullptr;
  bool OptionsEnded_ = false;
};

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

// The settings and the profile tree as convert and list use them: an
// installed program's user gets the shipped profiles on first use.
void PrepareProfiles();

// Target format from --target; throws TUsageError when missing or unknown.
int TakeTarget(const TCliArgs& args);

// " (did you mean 'X'?)" for the nearest of the names, "" when none is near.
std::string DidYouMean(std::string_view name, const std::vector<std::string>& names,
                       std::string_view prefix = "");
// The names one after the other, separated by ", ".
std::string JoinNames(const std::vector<std::string>& names);

// The width of a text on a terminal, counted in UTF-8 characters.
size_t TextWidth(std::string_view text);

// The text in lines of at most 79 characters where it has blanks to break
// at, every line after the first indented by indent blanks; ends in "\n".
std::string WrapText(std::string_view text, size_t indent);

// The option lines of a help text.
std::string OptionHelp(const std::vector<TCliOption>& options);

// The sixteen target names, as the help and the errors list them.
std::vector<std::string> TargetNames();
