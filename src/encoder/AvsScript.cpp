// SPDX-License-Identifier: GPL-3.0-or-later
#include "AvsScript.h"

#include <cctype>
#include <sstream>

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The string literal starting at `pos`: "..." or the script language's
// """...""", which may hold double quotes.
bool ReadLiteral(const std::string& line, size_t pos, std::string& value) {
  if (line.compare(pos, 3, "\"\"\"") == 0) {
    size_t end = line.find("\"\"\"", pos + 3);
    if (end == std::string::npos) return false;
    value = line.substr(pos + 3, end - pos - 3);
    return true;
  }
  if (pos >= line.size() || line[pos] != '"') return false;
  size_t end = line.find('"', pos + 1);
  if (end == std::string::npos) return false;
  value = line.substr(pos + 1, end - pos - 1);
  return true;
}

size_t SkipBlanks(const std::string& s, size_t pos) {
  while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
  return pos;
}

}  // namespace

bool IsScriptPath(const std::string& path) {
  return path.size() > 4 && Lower(path.substr(path.size() - 4)) == ".avs";
}

std::string ScriptSourceFile(const std::string& scriptText, const std::string& scriptPath) {
  static const std::string kCall = "directshowsource";
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
      pos = SkipBlanks(line, pos + 1);
      std::string value;
      if (!ReadLiteral(line, pos, value) || value.empty()) continue;
      if (value[0] == '/') return value;
      size_t slash = scriptPath.find_last_of('/');
      return slash == std::string::npos ? value : scriptPath.substr(0, slash + 1) + value;
    }
  }
  return "";
}
