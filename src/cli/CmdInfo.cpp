// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli info [--report] [--] FILE...
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "Cli.h"
#include "app/UtilFuncs.h"
#include "base/Utf8.h"
#include "lang/ResStr.h"
#include "media/MediaStrings.h"

namespace {

// Captions and headings come from a language file, values from the file's
// own tags: none of them may steer the terminal.
std::string Caption(std::size_t i) {
  return ShownName(ResStr(MediaQueries[i].Caption));
}

void PrintHeading(TMsgKey key) {
  std::printf("%s\n", ShownName(ResStr(key)).c_str());
}

void PrintStrings(const TMediaStrings& strings) {
  // Columns, not bytes: a translated caption lines up too.
  std::size_t width = 0;
  for (std::size_t i = 0; i < kMediaStringCount; ++i)
    width = std::max(width, TextColumns(Caption(i)));
  for (std::size_t i = 0; i < kMediaStringCount; ++i) {
    if (i == 0 || MediaQueries[i].Kind != MediaQueries[i - 1].Kind) {
      switch (MediaQueries[i].Kind) {
        case TStreamKind::General:
          PrintHeading(MSG_GENERAL);
          break;
        case TStreamKind::Video:
          PrintHeading(MSG_VIDEO);
          break;
        case TStreamKind::Audio:
          PrintHeading(MSG_AUDIO);
          break;
      }
    }
    const std::string caption = Caption(i);
    std::printf("  %s%*s %s\n", caption.c_str(), static_cast<int>(width - TextColumns(caption)), "",
                ShownName(NonEmptyOr(strings[i])).c_str());
  }
}

// The library's report, its lines as a terminal takes them: a file's tags
// (and its name) may hold controls too.
std::string ShownReport(std::string text) {
  // The report ends in blank lines of its own; one separates files.
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return ShownMessage(text);
}

// Why a file gave no media information, in words a user can act on.
std::string Reason(const std::string& fileName) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::file_status st = fs::status(fileName, ec);
  if (!fs::exists(st)) return "no such file";
  if (fs::is_directory(st)) return "is a folder, not a file";
  if (!fs::is_regular_file(st)) return "is not a regular file";
  if (::access(fileName.c_str(), R_OK) != 0) return "cannot be read (permission denied)";
  return "not a media file that can be read";
}

int RunInfo(const TCliArgs& args) {
  bool report = args.Flag("report");
  std::vector<std::string> files = args.Positionals();
  if (files.empty()) throw TUsageError{"info needs at least one FILE"};
  int result = kExitOk;
  bool first = true;
  for (const std::string& file : files) {
    std::string text;
    TMediaStrings strings;
    bool readable;
    if (report) {
      text = MediaInfoReport(file);
      readable = !text.empty();
    } else {
      strings = QueryMediaStrings(file);
      readable = AnswersNameAndSize(strings);
    }
    if (!readable) {
      std::fflush(stdout);
      std::fprintf(stderr, "kinovert-cli: %s: %s\n", ShownName(file).c_str(), Reason(file).c_str());
      result = kExitFailed;
      continue;
    }
    if (!first) std::printf("\n");
    first = false;
    if (report) {
      std::printf("%s\n", ShownReport(text).c_str());
    } else {
      PrintStrings(strings);
    }
  }
  std::fflush(stdout);
  return result;
}

const TCliCommand Command("info", "info [--report] [--] FILE...",
                          "print the media properties of each FILE; --report: MediaInfo's "
                          "standard text report",
                          {{"report", 0, nullptr, "print MediaInfo's standard text report"}},
                          RunInfo, nullptr, TValueKind::File);

}  // namespace
