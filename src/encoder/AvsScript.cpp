// SPDX-License-Identifier: GPL-3.0-or-later
#include "AvsScript.h"

#include <cctype>
#include <sstream>

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// No file name is longer than this, so no longer reading can name a file.
constexpr size_t kLongestPath = 4096;

size_t SkipBlanks(const std::string& s, size_t pos) {
  while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
  return pos;
}

}  // namespace

bool IsScriptPath(const std::string& path) {
  return path.size() > 4 && Lower(path.substr(path.size() - 4)) == ".avs";
}

std::string ScriptSourceFile(const std::string& scriptText, const std::string& scriptPath,
                             const std::function<bool(const std::string&)>& exists) {
  static const std::string kCall = "directshowsource";
  const size_t slash = scriptPath.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : scriptPath.substr(0, slash + 1);
  auto full = [&folder](std::string name) { return name[0] == '/' ? name : folder + name; };
  std::istringstream in(scriptText);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t start = SkipBlanks(line, 0);
    if (start < line.size() && line[start] == '#') continue;  // a comment line
    const std::string lower = Lower(line);
    // Each step below looks at a part of the line once: a """ without its
    // end has none after it either, and the readings of a "..." string stop
    // at the longest name a file can have.
    bool tripleEndsLater = true;
    for (size_t at = lower.find(kCall); at != std::string::npos;
         at = lower.find(kCall, at + kCall.size())) {
      size_t pos = SkipBlanks(line, at + kCall.size());
      if (pos >= line.size() || line[pos] != '(') continue;
      pos = SkipBlanks(line, pos + 1);
      if (line.compare(pos, 3, "\"\"\"") == 0) {
        if (!tripleEndsLater) continue;
        size_t end = line.find("\"\"\"", pos + 3);
        if (end != std::string::npos && end > pos + 3)
          return full(line.substr(pos + 3, end - pos - 3));
        tripleEndsLater = end != std::string::npos;
        continue;
      }
      if (pos >= line.size() || line[pos] != '"') continue;
      // The readings up to each later quote, shortest first: the first that
      // names an existing file wins, else the shortest.
      std::string shortest;
      for (size_t end = line.find('"', pos + 1); end != std::string::npos;
           end = line.find('"', end + 1)) {
        if (end == pos + 1) continue;
        const bool tooLong = end - pos - 1 > kLongestPath;
        if (tooLong && !shortest.empty()) break;
        std::string reading = full(line.substr(pos + 1, end - pos - 1));
        if (!tooLong && (!exists || exists(reading))) return reading;
        if (shortest.empty()) shortest = reading;
        if (tooLong) break;
      }
      if (!shortest.empty()) return shortest;
    }
  }
  return "";
}
