// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InfoOptions.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/BuildConstants.h"
#include "app/Settings.h"
#include "app/UserFolders.h"

namespace {

void PrintHelp() {
  std::printf(
      "Usage: kinovert [OPTIONS] [--] [FILE...]\n"
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
      ProductTitle().c_str(), SettingsFilePath().c_str(), UserDataFolder().c_str());
}

}  // namespace

int AnswerInfoOptions(int argc, char** argv) {
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
