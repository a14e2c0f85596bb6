// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes the sequence at text[i]; false (and nothing consumed) when it is
// not well-formed.
bool DecodeOne(std::string_view text, size_t& i, char32_t& c) {
  const auto b = static_cast<unsigned char>(text[i]);
  if (b < 0x80) {
    c = b;
    ++i;
    return true;
  }
  size_t more = b >= 0xC2 && b <= 0xDF   ? 1
                : b >= 0xE0 && b <= 0xEF ? 2
                : b >= 0xF0 && b <= 0xF4 ? 3
                                         : 0;
  if (more == 0 || text.size() - i <= more) return false;
  char32_t value = b & (0x3Fu >> more);
  for (size_t k = 1; k <= more; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0u) != 0x80u) return false;
    value = (value << 6) | (next & 0x3Fu);
  }
  static constexpr std::array<char32_t, 4> kLeast{0, 0x80, 0x800, 0x10000};
  if (value < kLeast[more] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    return false;
  c = value;
  i += more + 1;
  return true;
}

bool IsControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// The text as shown, every control character but line breaks replaced; with
// lineBreaks, CR LF, LF CR and LF are each one "\n", else they are replaced too.
std::string WithoutControls(std::string_view text, bool lineBreaks) {
  const std::u32string chars = DecodeUtf8(text);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < chars.size(); ++i) {
    const char32_t c = chars[i];
    const char32_t other = c == '\r' ? '\n' : '\r';
    const bool pair = (c == '\r' || c == '\n') && i + 1 < chars.size() && chars[i + 1] == other;
    if (lineBreaks && (c == '\n' || pair)) {
      out += '\n';
      if (pair) ++i;
      continue;
    }
    AppendUtf8(out, IsControl(c) ? kReplacement : c);
  }
  return out;
}

struct TRange {
  char32_t First, Last;
};

bool InRanges(const auto& ranges, char32_t c) {
  return std::any_of(std::begin(ranges), std::end(ranges),
                     [c](const TRange& r) { return c >= r.First && c <= r.Last; });
}

// Combining marks drawn over the character before them, and characters that
// take no room at all. Marks not listed count 1: a line a column short is
// harmless, one a column too long wraps.
constexpr TRange kZeroWidth[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD},   {0x05BF, 0x05BF},   {0x05C1, 0x05C2},
    {0x05C4, 0x05C5}, {0x05C7, 0x05C7}, {0x0610, 0x061A},   {0x064B, 0x065F},   {0x0670, 0x0670},
    {0x06D6, 0x06DC}, {0x06DF, 0x06E4}, {0x06E7, 0x06E8},   {0x06EA, 0x06ED},   {0x0E31, 0x0E31},
    {0x0E34, 0x0E3A}, {0x0E47, 0x0E4E}, {0x1AB0, 0x1AFF},   {0x1DC0, 0x1DFF},   {0x200B, 0x200F},
    {0x202A, 0x202E}, {0x2060, 0x2064}, {0x20D0, 0x20FF},   {0x3099, 0x309A},   {0xFE00, 0xFE0F},
    {0xFE20, 0xFE2F}, {0xFEFF, 0xFEFF}, {0xE0000, 0xE007F}, {0xE0100, 0xE01EF},
};

// East Asian wide and fullwidth characters, and the emoji shown as pictures.
// The emoji blocks are taken whole: where a few of their characters are
// narrow, counting them 2 only costs a column.
constexpr TRange kWide[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x23F0, 0x23F0},   {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},
    {0x2648, 0x2653},   {0x267F, 0x267F},   {0x2693, 0x2693},   {0x26A1, 0x26A1},
    {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},   {0x26CE, 0x26CE},
    {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
    {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},
    {0x2728, 0x2728},   {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},
    {0x2757, 0x2757},   {0x2795, 0x2797},   {0x27B0, 0x27B0},   {0x27BF, 0x27BF},
    {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},   {0x2E80, 0x303E},
    {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},
    {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE10, 0xFE19},
    {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x16FE4},
    {0x16FF0, 0x16FF1}, {0x17000, 0x18CFF}, {0x18D00, 0x18D08}, {0x1AFF0, 0x1B2FF},
    {0x1F004, 0x1F004}, {0x1F0CF, 0x1F0CF}, {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A},
    {0x1F200, 0x1F2FF}, {0x1F300, 0x1F64F}, {0x1F680, 0x1F6FF}, {0x1F7E0, 0x1F7EB},
    {0x1F7F0, 0x1F7F0}, {0x1F900, 0x1F9FF}, {0x1FA70, 0x1FAFF}, {0x20000, 0x2FFFD},
    {0x30000, 0x3FFFD},
};

}  // namespace

bool IsValidUtf8(std::string_view text) {
  char32_t c = 0;
  for (size_t i = 0; i < text.size();)
    if (!DecodeOne(text, i, c)) return false;
  return true;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    char32_t c = 0;
    if (!DecodeOne(text, i, c)) {
      c = kReplacement;
      ++i;
    }
    out += c;
  }
  return out;
}

std::string ShownText(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() + 8);
  for (char32_t c : DecodeUtf8(text)) AppendUtf8(out, c);
  return out;
}

std::string ShownName(std::string_view text) {
  return WithoutControls(text, false);
}

std::string ShownMessage(std::string_view text) {
  return WithoutControls(text, true);
}

int CharColumns(char32_t c) {
  if (IsControl(c) || InRanges(kZeroWidth, c)) return 0;
  return InRanges(kWide, c) ? 2 : 1;
}

size_t TextColumns(std::string_view text) {
  size_t columns = 0;
  for (char32_t c : DecodeUtf8(text)) columns += static_cast<size_t>(CharColumns(c));
  return columns;
}

std::string Windows1252ToUtf8(std::string_view text) {
  static constexpr std::array<uint16_t, 32> kHigh{
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  std::string out;
  out.reserve(text.size() * 2);
  for (char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80u] : b);
  }
  return out;
}

std::string DataFileText(std::string_view value) {
  return IsValidUtf8(value) ? std::string(value) : Windows1252ToUtf8(value);
}
