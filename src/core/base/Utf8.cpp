// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Utf8.h"

#include <array>
#include <cstdint>

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
