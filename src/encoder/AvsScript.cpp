// SPDX-License-Identifier: GPL-3.0-or-later
#include "AvsScript.h"

#include <cctype>
#include <sstream>
#include <string_view>

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

size_t SkipBlanks(std::string_view s, size_t pos) {
  while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
  return pos;
}

// True when the argument ends at `pos`: blanks, then "," or ")".
bool ArgumentEndsAt(std::string_view s, size_t pos) {
  pos = SkipBlanks(s, pos);
  return pos < s.size() && (s[pos] == ',' || s[pos] == ')');
}

// Where the first `quote` at or after `from` that ends the argument begins,
// or npos.
size_t ClosingQuote(std::string_view line, size_t from, std::string_view quote) {
  for (size_t at = line.find(quote, from); at != std::string_view::npos;
       at = line.find(quote, at + 1))
    if (ArgumentEndsAt(line, at + quote.size())) return at;
  return std::string_view::npos;
}

}  // namespace

bool IsScriptPath(const std::string& path) {
  return path.size() > 4 && Lower(path.substr(path.size() - 4)) == ".avs";
}

std::string ScriptSourceFile(const std::string& scriptText, const std::string& scriptPath) {
  static const std::string kCall = "directshowsource";
  static constexpr std::string_view kTriple = "\"\"\"", kPlain = "\"";
  const size_t slash = scriptPath.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : scriptPath.substr(0, slash + 1);
  std::istringstream in(scriptText);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t start = SkipBlanks(line, 0);
    if (start < line.size() && line[start] == '#') continue;  // a comment line
    const std::string lower = Lower(line);
    // A search for a closing quote that found none finds none from any later
    // call either; remembering that keeps a long line of calls linear.
    bool tripleCloses = true, plainCloses = true;
    for (size_t at = lower.find(kCall); at != std::string::npos;
         at = lower.find(kCall, at + kCall.size())) {
      size_t pos = SkipBlanks(line, at + kCall.size());
      if (pos >= line.size() || line[pos] != '(') continue;
      pos = SkipBlanks(line, pos + 1);
      const bool triple = line.compare(pos, kTriple.size(), kTriple) == 0;
      const std::string_view quote = triple ? kTriple : kPlain;
      bool& closes = triple ? tripleCloses : plainCloses;
      if (!closes || line.compare(pos, quote.size(), quote) != 0) continue;
      const size_t first = pos + quote.size();
      const size_t end = ClosingQuote(line, first, quote);
      if (end == std::string::npos) {
        closes = false;
        continue;
      }
      if (end == first) continue;  // an empty name names nothing
      std::string name = line.substr(first, end - first);
      return name[0] == '/' ? name : folder + name;
    }
  }
  return "";
}
