// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CommandLine.h"

#include "base/TextUtil.h"

#include <cctype>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool EndsWithShellExtension(const std::string& name) {
  if (name.size() < 3) return false;
  std::string_view ext(name.data() + name.size() - 3, 3);
  return ext[0] == '.' && (ext[1] == 's' || ext[1] == 'S') && (ext[2] == 'h' || ext[2] == 'H');
}

std::string Absolute(const std::string& path, const std::string& currentDir) {
  if (!path.empty() && path[0] == '/') return path;
  if (currentDir.empty()) return path;
  return currentDir.back() == '/' ? currentDir + path : currentDir + "/" + path;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> args;
  std::string current;
  bool inArgument = false;
  bool quoted = false;
  size_t i = 0;
  const size_t n = commandLine.size();
  while (i < n) {
    char c = commandLine[i];
    if (!quoted && IsBlank(c)) {
      if (inArgument) args.push_back(std::move(current));
      current.clear();
      inArgument = false;
      ++i;
      continue;
    }
    inArgument = true;
    if (c == '\\') {
      size_t end = i;
      while (end < n && commandLine[end] == '\\') ++end;
      size_t count = end - i;
      if (end < n && commandLine[end] == '"') {
        current.append(count / 2, '\\');
        if (count % 2 == 1)
          current += '"';
        else
          quoted = !quoted;
        i = end + 1;
      } else {
        current.append(count, '\\');
        i = end;
      }
    } else if (c == '"') {
      quoted = !quoted;
      ++i;
    } else {
      current += c;
      ++i;
    }
  }
  if (inArgument) args.push_back(std::move(current));
  return args;
}

std::string QuoteArgument(std::string_view argument) {
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote itself escaped.
    if (c == '"') {
      quoted.append(backslashes * 2 + 1, '\\');
    } else {
      quoted.append(backslashes, '\\');
    }
    backslashes = 0;
    quoted += c;
  }
  // The closing quote follows: trailing backslashes must not escape it.
  quoted.append(backslashes * 2, '\\');
  quoted += '"';
  return quoted;
}

bool IsBlankText(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

TLaunchPlan PlanLaunch(const std::string& applicationName, const std::string& commandLine,
                       const std::string& searchPath, const std::string& currentDir) {
  std::vector<std::string> words = SplitCommandLine(commandLine);
  std::string program;
  std::vector<std::string> args;
  if (!IsBlankText(applicationName)) {
    program = applicationName;
    args = std::move(words);
  } else if (!words.empty()) {
    program = words.front();
    args.assign(words.begin() + 1, words.end());
  }

  TLaunchPlan plan;
  if (EndsWithShellExtension(program)) {
    plan.Script = Absolute(program, currentDir);
    plan.Candidates = {"/bin/sh"};
    plan.Argv = {"/bin/sh", plan.Script};
  } else {
    if (program.find('/') != std::string::npos) {
      plan.Candidates = {Absolute(program, currentDir)};
    } else if (program.empty()) {
      plan.Candidates = {program};  // fails as a missing program
    } else {
      // An empty entry of the search path means the current folder.
      size_t start = 0;
      for (;;) {
        size_t colon = searchPath.find(':', start);
        std::string dir = searchPath.substr(start, colon - start);
        plan.Candidates.push_back(Absolute(Absolute(program, dir), currentDir));
        if (colon == std::string::npos) break;
        start = colon + 1;
      }
    }
    plan.Argv = {program};
  }
  plan.Argv.insert(plan.Argv.end(), args.begin(), args.end());
  return plan;
}

std::string ShellQuote(const std::string& value) {
  std::string out = "'";
  for (char c : value) {
    if (c == '\'')
      out += "'\\''";
    else
      out += c;
  }
  return out + "'";
}

// Replaces placeholders in one pass over the template, so text a value brings
// in is never taken for a placeholder itself.
std::string FillTemplate(std::string_view line, const TTemplateValues& values) {
  std::string out;
  size_t i = 0;
  while (i < line.size()) {
    bool replaced = false;
    if (line.compare(i, 2, "<%") == 0) {
      for (const auto& [name, value] : values) {
        if (SameTextIgnoringCase(line.substr(i, name.size()), name)) {
          out += value;
          i += name.size();
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) out += line[i++];
  }
  return out;
}

namespace {

// What a word of a preset's command may hold besides placeholders: options,
// numbers, sizes, codec names, rates and extensions.
bool IsPlainWordCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::string_view("._:,/+=@-").find(c) != std::string_view::npos;
}

}  // namespace

bool IsAvcoreCall(std::string_view command, std::string* why) {
  auto refuse = [&](std::string reason) {
    if (why != nullptr) *why = std::move(reason);
    return false;
  };
  static constexpr std::string_view kProgram = "<%AppPath%>/avcore";
  size_t at = command.find_first_not_of(" \t");
  if (at == std::string_view::npos) return refuse("the command is empty");
  command.remove_prefix(at);
  if (command.size() < kProgram.size() || !SameTextIgnoringCase(command.substr(0, kProgram.size()), kProgram) ||
      (command.size() > kProgram.size() && command[kProgram.size()] != ' ' &&
       command[kProgram.size()] != '\t'))
    return refuse("the command does not call " + std::string(kProgram));
  for (size_t i = kProgram.size(); i < command.size();) {
    const char c = command[i];
    if (c == ' ' || c == '\t' || IsPlainWordCharacter(c)) {
      ++i;
      continue;
    }
    if (command.compare(i, 2, "<%") == 0) {
      size_t end = command.find("%>", i + 2);
      bool named = end != std::string_view::npos && end > i + 2;
      for (size_t k = i + 2; named && k < end; ++k)
        named = (command[k] >= 'A' && command[k] <= 'Z') || (command[k] >= 'a' && command[k] <= 'z') ||
                (command[k] >= '0' && command[k] <= '9');
      if (named) {
        std::string_view placeholder = command.substr(i, end + 2 - i);
        bool known = false;
        for (std::string_view p : kPresetPlaceholders) known = known || SameTextIgnoringCase(placeholder, p);
        if (!known)
          return refuse("the command holds the unknown placeholder " + std::string(placeholder));
        i = end + 2;
        continue;
      }
    }
    return refuse(std::string("the command holds \"") + c + "\", which only a shell would read");
  }
  return true;
}

std::string PresetItemProblem(std::string_view extension, const std::vector<std::string>& commands) {
  for (char c : extension)
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
      return "its EXT \"" + std::string(extension) + "\" is no plain file extension";
  if (commands.empty()) return "the item has no command";
  static constexpr std::string_view kOutput = "<%OutputFile%>";
  const std::string wanted = extension.empty() ? "" : "." + std::string(extension);
  for (const std::string& command : commands) {
    std::string why;
    if (!IsAvcoreCall(command, &why)) return why;
    std::string_view text = command;
    text = text.substr(0, text.find_last_not_of(" \t") + 1);
    std::string_view output = text.substr(text.find_last_of(" \t") + 1);
    bool reserved = output.size() == kOutput.size() + wanted.size() &&
                    SameTextIgnoringCase(output.substr(0, kOutput.size()), kOutput) &&
                    output.substr(kOutput.size()) == wanted;
    if (!reserved)
      return "the command writes \"" + std::string(output) + "\", not " + std::string(kOutput) + wanted +
             (extension.empty() ? " (the item's EXT is empty)" : " (the item's EXT is " + std::string(extension) + ")");
  }
  return {};
}
