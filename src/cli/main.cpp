// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli: the conversion engine without windows, for scripts and tests.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "Cli.h"
#include "base/Error.h"
#include "app/ProgramFolder.h"

namespace {

void PrintHelp() {
  std::printf(
      "Usage: kinovert-cli [--home DIR] COMMAND [OPTIONS] [--] [ARGUMENTS]\n"
      "\n"
      "Kinovert converts video and audio files in batches. This is its command-line\n"
      "front end; it uses the same profiles, settings and encoder as the desktop program.\n"
      "\n"
      "Commands:\n");
  for (const TCliCommand* c : CliCommands()) std::printf("  %s\n      %s\n", c->Usage, c->Summary);
  std::printf(
      "\n"
      "Options:\n"
      "  --home DIR   use DIR as the program folder (default: the folder of this program,\n"
      "               or $KINOVERT_HOME)\n"
      "  --help       show this help\n"
      "  --version    show the version\n"
      "\n"
      "FORMAT is one of AVI, MP4, 3GP, MPEG, MOV, WMV, RM, SWF, VOB, ASF, AAC, AC3, MP2,\n"
      "MP3, AMR, WAV (any letter case). Exit codes: 0 success, 1 some work failed,\n"
      "2 usage error or nothing could start.\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    // Global options come before the command.
    size_t i = 0;
    while (i < args.size() && args[i].rfind("--", 0) == 0) {
      const std::string& a = args[i];
      if (a == "--help" || a == "-h") {
        PrintHelp();
        return kExitOk;
      }
      if (a == "--version") {
        std::printf("kinovert-cli %s\n", KINOVERT_VERSION_TEXT);
        return kExitOk;
      }
      if (a == "--home") {
        if (i + 1 >= args.size()) throw TUsageError{"option --home needs a value"};
        SetProgramFolder(args[i + 1]);
        i += 2;
        continue;
      }
      if (a.rfind("--home=", 0) == 0) {
        SetProgramFolder(a.substr(7));
        ++i;
        continue;
      }
      throw TUsageError{"unknown option " + a};
    }
    if (i >= args.size()) {
      PrintHelp();
      return kExitUsage;
    }
    std::string name = args[i];
    std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(i + 1), args.end());
    for (const TCliCommand* c : CliCommands()) {
      if (name == c->Name) {
        TCliArgs cmdArgs(std::move(rest));
        if (cmdArgs.TakeFlag("help")) {
          std::printf("Usage: kinovert-cli %s\n%s\n", c->Usage, c->Summary);
          return kExitOk;
        }
        // A --home after the command name is just as welcome.
        if (std::string home = cmdArgs.TakeOption("home"); !home.empty()) SetProgramFolder(home);
        return c->Run(cmdArgs);
      }
    }
    throw TUsageError{"unknown command '" + name + "' (see kinovert-cli --help)"};
  } catch (const TUsageError& e) {
    std::fprintf(stderr, "kinovert-cli: %s\n", e.Message.c_str());
    return kExitUsage;
  } catch (const EKinovertError& e) {
    std::fprintf(stderr, "kinovert-cli: %s\n", e.what());
    return kExitUsage;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kinovert-cli: %s\n", e.what());
    return kExitFailed;
  }
}
