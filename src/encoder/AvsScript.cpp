// SPDX-License-Identifier: GPL-3.0-or-later
#include "AvsScript.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The readings of the string literal starting at `pos`, shortest first:
// "..." ends at the first quote or, for a name that holds quotes, at a later
// one; the script language's """...""" may hold quotes anyway.
std::vector<std::string> ReadLiteral(const std::string& line, size_t pos) {
  std::vector<std::string> readings;
  if (line.compare(pos, 3, "\"\"\"") == 0) {
    size_t end = line.find("\"\"\"", pos + 3);
    if (end != std::string::npos) readings.push_back(line.substr(pos + 3, end - pos - 3));
    return readings;
  }
  if (pos >= line.size() || line[pos] != '"') return readings;
  for (size_t end = line.find('"', pos + 1); end != std::string::npos; end = line.find('"', end + 1))
    if (end > pos + 1) readings.push_back(line.substr(pos + 1, end - pos - 1));
  return readings;
}

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
  std::istringstream in(scriptText);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string lower = Lower(line);
    size_t start = SkipBlanks(line, 0);
    if (start < line.size() && line[start] == '#') continue;  // a comment line
    for (size_t at = lower.find(kCall); at != std::string::npos; at = lower.find(kCall, at + 1)) {
      size_t pos = SkipBlanks(line, at + kCall.size());
      if (pos >= line.size() || line[pos] != '(') continue;
      std::vector<std::string> readings = ReadLiteral(line, SkipBlanks(line, pos + 1));
      if (readings.empty()) continue;
      for (std::string& r : readings)
        if (r[0] != '/') r = folder + r;
      if (exists)
        for (const std::string& r : readings)
          if (exists(r)) return r;
      return readings.front();
    }
  }
  return "";
}
