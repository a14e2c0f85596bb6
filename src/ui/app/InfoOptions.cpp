// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InfoOptions.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string_view>
#include <system_error>

#include "app/BuildConstants.h"
#include "app/Settings.h"
#include "app/UserFolders.h"
#include "base/Utf8.h"

namespace {

constexpr const char* kUsage = "Usage: kinovert [OPTIONS] [--] [FILE...]\n";

void PrintHelp() {
  std::printf(
      "%s"
      "\n"
      "%s\n"
      "Converts video and audio files in batches to AVI, MP4, 3GP, MPEG, MOV, WMV,\n"
      "RM, SWF, VOB, ASF, AAC, AC3, MP2, MP3, AMR or WAV with named profiles of\n"
      "encoding settings. Files named here are added to the file list.\n"
      "\n"
      "Options:\n"
      "  --help      show this help and exit\n"
      "  --version   show the version and exit\n"
      "  Qt's own options (-platform NAME, -style NAME, ...) are understood too.\n"
      "\n"
      "Settings:  %s\n"
      "Profiles:  %s\n"
      "\n"
      "kinovert-cli converts the same way without a window (kinovert-cli --help).\n",
      kUsage, ProductTitle().c_str(), SettingsFilePath().c_str(), UserDataFolder().c_str());
}

// The options QApplication takes out of the command line itself (with one
// dash or two), and whether the next word is their value.
struct TQtOption {
  const char* Name;
  bool TakesValue;
};
constexpr TQtOption kQtOptions[] = {
    {"platform", true},    {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},      {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true}, {"geometry", true},          {"title", true},
    {"icon", true},        {"display", true},            {"name", true},
    {"visual", true},      {"session", true},            {"style", true},
    {"stylesheet", true},  {"reverse", false},           {"widgetcount", false},
    {"nograb", false},     {"dograb", false},            {"sync", false},
    {"testability", false}, {"qmljsdebugger", true},
};

// The Qt option `arg` names (-1 when none), by its name alone or with
// "=value" joined; `joined` tells which.
int QtOptionOf(const char* arg, bool& joined) {
  std::string_view name(arg);
  name.remove_prefix(name.rfind("--", 0) == 0 ? 2 : 1);
  const size_t equals = name.find('=');
  joined = equals != std::string_view::npos;
  if (joined) name = name.substr(0, equals);
  for (size_t i = 0; i < std::size(kQtOptions); ++i)
    if (name == kQtOptions[i].Name && (!joined || kQtOptions[i].TakesValue))
      return static_cast<int>(i);
  return -1;
}

}  // namespace

int AnswerInfoOptions(int argc, char** argv) {
  const char* unknown = nullptr;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    if (std::strcmp(a, "--") == 0) break;
    if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
      PrintHelp();
      return 0;
    }
    if (std::strcmp(a, "--version") == 0) {
      std::printf("kinovert %s\n", VersionText().c_str());
      return 0;
    }
    if (a[0] != '-' || a[1] == '\0') continue;
    bool joined = false;
    const int qt = QtOptionOf(a, joined);
    if (qt < 0) {
      if (unknown == nullptr) unknown = a;
    } else if (!joined && kQtOptions[qt].TakesValue && i + 1 < argc) {
      ++i;
    }
  }
  // Told before Qt starts, so a mistyped option never opens a window (nor
  // fails for want of a display) and a script sees the usage error.
  if (unknown != nullptr) {
    std::fprintf(stderr, "kinovert: unknown option %s\n%s", ShownName(unknown).c_str(), kUsage);
    return 2;
  }
  return -1;
}

std::vector<std::string> FilesOnCommandLine(int argc, char** argv) {
  std::vector<std::string> files;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    if (options && std::strcmp(a, "--") == 0) {
      options = false;
      continue;
    }
    if ((options && a[0] == '-') || a[0] == '\0') continue;
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(a, error);
    files.push_back(error ? std::string(a) : path.lexically_normal().string());
  }
  return files;
}
