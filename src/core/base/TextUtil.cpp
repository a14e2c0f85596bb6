// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/TextUtil.h"

#include <random>

bool HasAnyChar(std::string_view text, std::string_view chars) {
  return !chars.empty() && text.find_first_of(chars) != std::string_view::npos;
}

bool Contains(std::string_view sub, std::string_view text) {
  return text.find(sub) != std::string_view::npos;
}

int CountOccurrences(std::string_view text, std::string_view sub) {
  if (sub.empty()) return 0;
  int count = 0;
  for (size_t pos = text.find(sub); pos != std::string_view::npos; pos = text.find(sub, pos + 1))
    ++count;
  return count;
}

std::vector<std::string> SplitText(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  for (;;) {
    size_t pos = text.find(separator);
    pieces.emplace_back(text.substr(0, pos));
    if (pos == std::string_view::npos) break;
    text.remove_prefix(pos + 1);
  }
  return pieces;
}

std::string LowerCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && LowerCaseAscii(a) == LowerCaseAscii(b);
}

std::string_view TrimBlanks(std::string_view text) {
  size_t b = text.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  size_t e = text.find_last_not_of(" \t");
  return text.substr(b, e - b + 1);
}

std::string TextBetween(std::string_view line, std::string_view a, std::string_view b) {
  size_t posA = line.find(a);
  if (posA == std::string_view::npos) return {};
  size_t start = posA + a.size();
  // The value has at least one character, so "time= 5 " skips the blank after "=".
  size_t posB = line.find(b, start + 1);
  if (posB == std::string_view::npos) return {};
  return std::string(TrimBlanks(line.substr(start, posB - start)));
}

std::string RandomDigits(int count) {
  // Seeded once from the system's entropy rather than from the clock on every
  // call: calls in quick succession (the template placeholders of one file)
  // would otherwise repeat the same digits.
  thread_local std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<int> digit(0, 9);
  std::string out;
  for (int i = 0; i < count; ++i) out += static_cast<char>('0' + digit(generator));
  return out;
}
