// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// "--" and the option's name.
std::string LongName(const TCliOption& option);

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
