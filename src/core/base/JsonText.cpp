// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/JsonText.h"

#include <cstdio>

namespace {

// The length of the well-formed UTF-8 sequence at the start of s, 0 when
// there is none (a stray continuation byte, an overlong form, a surrogate, a
// code point past U+10FFFF, or a sequence cut short).
size_t Utf8SequenceLength(std::string_view s) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b = byte(0);
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF)
    length = 2;
  else if (b >= 0xE0 && b <= 0xEF)
    length = 3;
  else if (b >= 0xF0 && b <= 0xF4)
    length = 4;
  else
    return 0;
  if (b == 0xE0) low = 0xA0;
  if (b == 0xED) high = 0x9F;
  if (b == 0xF0) low = 0x90;
  if (b == 0xF4) high = 0x8F;
  if (s.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return length;
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  while (!text.empty()) {
    const unsigned char c = static_cast<unsigned char>(text[0]);
    const size_t length = Utf8SequenceLength(text);
    if (length == 0) {
      out += "\\ufffd";
      text.remove_prefix(1);
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  out += '"';
  return out;
}
