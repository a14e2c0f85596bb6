// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli: the conversion engine without windows, for scripts and tests.
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "Cli.h"
#include "CliCompletion.h"
#include "base/Error.h"
#include "base/Utf8.h"

namespace {

void PrintHelp() {
  std::printf(
      "Usage: kinovert-cli [--home DIR] COMMAND [OPTIONS] [--] [ARGUMENTS]\n"
      "\n"
      "Kinovert converts video and audio files in batches. This is its command-line\n"
      "front end; it uses the same profiles, settings and encoder as the desktop program.\n"
      "\n"
      "Commands:\n");
  for (const TCliCommand* c : CliCommands()) {
    std::printf("%s", WrapText(std::string("  ") + c->Usage, 4).c_str());
    std::printf("%s", WrapText(std::string("      ") + c->Summary, 6).c_str());
  }
  std::printf("\nOptions:\n%s", OptionHelp(GlobalOptions()).c_str());
  std::printf(
      "\n"
      "FORMAT is one of AVI, MP4, 3GP, MPEG, MOV, WMV, RM, SWF, VOB, ASF, AAC, AC3, MP2,\n"
      "MP3, AMR, WAV (any letter case). 'kinovert-cli COMMAND --help' shows the\n"
      "options of a command. Exit codes: 0 success, 1 some work failed, 2 usage error\n"
      "or nothing could start. A batch stopped by Ctrl-C (or SIGTERM, SIGHUP) ends by\n"
      "that signal once it has cleaned up, so a shell sees 130 (143, 129).\n");
}

int Run(const std::vector<std::string>& args) {
  TCliArgs global(GlobalOptions(), args, {.StopAtOperand = true});
  if (global.Flag("help")) {
    PrintHelp();
    return kExitOk;
  }
  if (global.Flag("version")) {
    std::printf("kinovert-cli %s\n", KINOVERT_VERSION_TEXT);
    return kExitOk;
  }
  ApplyHome(global);
  std::vector<std::string> rest = global.Positionals();
  if (rest.empty()) {
    PrintHelp();
    return kExitUsage;
  }
  const std::string name = rest.front();
  rest.erase(rest.begin());
  const TCliCommand* command = FindCommand(name);
  if (command == nullptr) {
    std::vector<std::string> names;
    for (const TCliCommand* c : CliCommands()) names.push_back(c->Name);
    throw TUsageError{"unknown command '" + name + "'" + DidYouMean(name, names) +
                      " (see kinovert-cli --help)"};
  }
  const std::vector<TCliOption> options = command->AllOptions();
  TCliArgs commandArgs(options, rest, {});
  if (commandArgs.Flag("help")) {
    std::printf("%s\n%s", WrapText(std::string("Usage: kinovert-cli ") + command->Usage, 4).c_str(),
                WrapText(command->Summary, 0).c_str());
    std::printf("\nOptions:\n%s", OptionHelp(options).c_str());
    return kExitOk;
  }
  // A --home after the command name is just as welcome.
  ApplyHome(commandArgs);
  return command->Run(commandArgs);
}

// Ends the program by the signal with its default action (SIGQUIT's core
// dump left out): the parent sees the signal, not an exit code.
[[noreturn]] void EndBySignal(int sig) {
  std::fflush(nullptr);
  struct rlimit noCore {};
  ::setrlimit(RLIMIT_CORE, &noCore);
  ::signal(sig, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, sig);
  ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
  ::raise(sig);
  ::_exit(128 + sig);
}

int RunMain(std::vector<std::string> args) {
  try {
    // The shells' completion scripts ask here; their words are not options.
    if (!args.empty() && args.front() == kCompletionCommand) {
      args.erase(args.begin());
      return RunCompletion(args);
    }
    return Run(args);
  } catch (const TUsageError& e) {
    std::fprintf(stderr, "kinovert-cli: %s\n", ShownMessage(e.Message).c_str());
    return kExitUsage;
  } catch (const EKinovertError& e) {
    std::fprintf(stderr, "kinovert-cli: %s\n", ShownMessage(e.what()).c_str());
    return kExitUsage;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kinovert-cli: %s\n", ShownMessage(e.what()).c_str());
    return kExitFailed;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int code = RunMain(std::vector<std::string>(argv + 1, argv + argc));
  if (const int sig = StopSignal(); sig != 0) EndBySignal(sig);
  return code;
}
