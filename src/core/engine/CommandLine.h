// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A child's command line is one string (as the profiles and device templates
// write it), split into arguments with the usual Windows quoting rules:
//  - blanks (space, tab) separate arguments, except inside a quoted part;
//  - 2n backslashes before a quote give n backslashes, and the quote opens or
//    closes a quoted part;
//  - 2n+1 backslashes before a quote give n backslashes and a literal quote;
//  - backslashes anywhere else are literal, so paths keep theirs;
//  - "" gives an empty argument.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The argument written so that SplitCommandLine gives it back unchanged:
// always quoted, backslashes doubled only where they precede a quote.
std::string QuoteArgument(std::string_view argument);

// How a command line is started: the program file to try (in order, the
// first that can be run wins), the arguments the program sees, and for a
// shell script the script that must exist.
struct TLaunchPlan {
  std::vector<std::string> Candidates;
  std::vector<std::string> Argv;
  std::string Script;
};

// Plans the start of `commandLine`, or of `applicationName` with the
// arguments of `commandLine` when `applicationName` is not blank. A bare
// program name is looked up in `searchPath` (colon-separated); a relative
// path is taken from `currentDir` (the caller's own folder, not the child's,
// so CurrentDirectory never changes which program runs). A program named
// "*.sh" runs through /bin/sh with an absolute script path, so a script name
// starting with a dash is never read as an option.
TLaunchPlan PlanLaunch(const std::string& applicationName, const std::string& commandLine,
                       const std::string& searchPath, const std::string& currentDir);

// Quotes a value for /bin/sh, so no character of it can act as syntax.
std::string ShellQuote(const std::string& value);

// Placeholders ("<%Name%>", matched without regard to case) and what each
// stands for, tried in this order.
using TTemplateValues = std::vector<std::pair<std::string_view, std::string>>;
// Replaces placeholders in one pass over the template, so text a value
// brings in is never taken for a placeholder itself.
std::string FillTemplate(std::string_view line, const TTemplateValues& values);

// The placeholders of a device preset's commands, as the batch fills them.
inline constexpr std::string_view kPresetPlaceholders[] = {
    "<%AppPath%>",    "<%TimeStamp%>",  "<%TemporaryFile%>", "<%Title%>",        "<%OutputFile%>",
    "<%OutputPath%>", "<%RandomNumber3%>", "<%RandomNumber5%>", "<%InputFile%>"};

// A device preset's command, before its placeholders are filled: one call of
// the program folder's avcore ("<%AppPath%>/avcore ...") whose words hold
// nothing /bin/sh could take as syntax, besides the placeholders above
// (whose values are quoted; any other "<%...%>" would reach the shell as a
// redirection). Presets are files users download and share: any other
// command is refused rather than run. `why` says what is wrong.
bool IsAvcoreCall(std::string_view command, std::string* why = nullptr);

// What keeps an item of a device preset from being run, "" when nothing:
// its EXT must be a plain extension (letters and digits), it must have a
// command, and every command must be an avcore call (IsAvcoreCall) whose
// output, its last word, is exactly <%OutputFile%>.EXT (<%OutputFile%>
// alone when EXT is empty): the name the batch reserved for the file, and
// no other file the user can write.
std::string PresetItemProblem(std::string_view extension, const std::vector<std::string>& commands);

// True when the text holds nothing but blanks and control characters.
bool IsBlankText(std::string_view text);
