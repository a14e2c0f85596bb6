// SPDX-License-Identifier: GPL-3.0-or-later
#include "LegacyCommand.h"

#include "LegacyGrammar.h"

TLegacyCommand ParseLegacyCommand(const std::vector<std::string>& rawArgs) {
  TLegacyCommand cmd;
  // The batch joins its pieces with blanks and may leave empty words behind.
  std::vector<std::string> args;
  for (const std::string& a : rawArgs)
    if (!a.empty()) args.push_back(a);

  if (args.empty()) {
    cmd.Error = "no input and output file given";
    return cmd;
  }
  // The output is always the last word, even when it starts with a dash.
  const size_t last = args.size() - 1;
  bool haveInput = false, haveAccess = false;
  for (size_t i = 0; i < last; ++i) {
    const std::string& a = args[i];
    if (a == "-p" || a == "-i") {
      if (i + 1 >= last) {
        cmd.Error = "no output file given after the options";
        return cmd;
      }
      const std::string& v = args[++i];
      bool& seen = a == "-p" ? haveAccess : haveInput;
      if (seen && cmd.Error.empty())
        cmd.Error = a == "-p" ? "the access option \"-p\" is given twice"
                              : "a second input \"-i " + v +
                                    "\" is given; avcore converts one file at a time";
      seen = true;
      if (a == "-p")
        cmd.AccessGranted = v == kAccessCode;
      else if (cmd.Input.empty())
        cmd.Input = v;
      continue;
    }
    const TOptionRule* rule = FindOptionRule(a);
    // The first fault is the one reported, but the access option is still
    // looked for: without it nothing else is said.
    if (!cmd.Error.empty()) {
      if (rule != nullptr && rule->TakesValue()) ++i;
      continue;
    }
    if (rule == nullptr) {
      cmd.Error = a[0] == '-'
                      ? "unknown option '" + a + "'"
                      : "unexpected word '" + a + "' (FFmpeg would take it for a file name)";
      continue;
    }
    TLegacyOption opt{a, "", rule->TakesValue()};
    if (rule->TakesValue()) {
      if (i + 1 >= last) {
        cmd.Error = "the option \"" + a + "\" has no value before the output file";
        continue;
      }
      opt.Value = args[++i];
      cmd.Error = ValueProblem(*rule, opt.Value);
    }
    cmd.Options.push_back(opt);
  }
  if (!cmd.Error.empty()) return cmd;
  if (FindOptionRule(args[last]) != nullptr || args[last] == "-p" || args[last] == "-i") {
    cmd.Error = "no output file given after the options";
    return cmd;
  }
  cmd.Output = args[last];
  if (!haveInput) cmd.Error = "no input file given (\"-i\" is missing)";
  return cmd;
}
