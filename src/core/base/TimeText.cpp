// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/TimeText.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "base/TextUtil.h"

namespace {

bool AllOf(std::string_view text, std::string_view allowed) {
  return !text.empty() && text.find_first_not_of(allowed) == std::string_view::npos;
}

// A run of digits as a number; "" is 0. False when it does not fit 32 bits.
bool ReadField(std::string_view digits, int64_t& value) {
  value = 0;
  for (char c : digits) {
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int32_t>::max()) return false;
  }
  return true;
}

// A signed whole number filling the text; 0 when it does not read.
int64_t WholeOrZero(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  int64_t v = 0;
  if (!AllOf(text, "0123456789") || text.size() > 12 || !ReadField(text, v)) return 0;
  return negative ? -v : v;
}

// Milliseconds of the digits after a decimal point: ".5" is 500, ".05" 50;
// the digits past the third round to the nearest, ties to the even one (so
// a fraction of ".9995" may carry into a whole second).
int64_t FractionMs(std::string_view digits) {
  int64_t ms = 0;
  for (size_t i = 0; i < 3; ++i) ms = ms * 10 + (i < digits.size() ? digits[i] - '0' : 0);
  if (digits.size() > 3) {
    std::string_view rest = digits.substr(3);
    const bool beyondHalf = rest.find_first_not_of('0', 1) != std::string_view::npos;
    if (rest[0] > '5' || (rest[0] == '5' && (beyondHalf || ms % 2 != 0))) ++ms;
  }
  return ms;
}

}  // namespace

int64_t ParseTimeText(std::string_view text) {
  const bool timeChars = AllOf(text, "0123456789:.");
  const bool decimalChars = AllOf(text, "0123456789.");
  const bool clockChars = AllOf(text, "0123456789:");
  const bool digitsOnly = AllOf(text, "0123456789");
  const int colons = CountOccurrences(text, ":");
  const int points = CountOccurrences(text, ".");
  size_t firstPoint = text.find('.');
  size_t lastColon = text.rfind(':');
  const bool pointAfterColon = firstPoint != std::string_view::npos &&
                               (lastColon == std::string_view::npos || firstPoint > lastColon);

  std::string_view h, m, s, f;
  if (timeChars && colons == 2 && points == 1 && pointAfterColon) {
    size_t c1 = text.find(':');
    h = text.substr(0, c1);
    m = text.substr(c1 + 1, lastColon - c1 - 1);
    s = text.substr(lastColon + 1, firstPoint - lastColon - 1);
    f = text.substr(firstPoint + 1);
  } else if (timeChars && colons == 1 && points == 1 && pointAfterColon) {
    m = text.substr(0, lastColon);
    s = text.substr(lastColon + 1, firstPoint - lastColon - 1);
    f = text.substr(firstPoint + 1);
  } else if (decimalChars && points == 1) {
    s = text.substr(0, firstPoint);
    f = text.substr(firstPoint + 1);
  } else if (digitsOnly) {
    s = text;
  } else if (clockChars && colons == 1) {
    m = text.substr(0, lastColon);
    s = text.substr(lastColon + 1);
  } else if (clockChars && colons == 2) {
    size_t c1 = text.find(':');
    h = text.substr(0, c1);
    m = text.substr(c1 + 1, lastColon - c1 - 1);
    s = text.substr(lastColon + 1);
  } else {
    return -1;
  }
  int64_t hv = 0, mv = 0, sv = 0;
  if (!ReadField(h, hv) || !ReadField(m, mv) || !ReadField(s, sv)) return -1;
  // Summed in 64 bits: a sum that no longer fits the 32-bit fields of the
  // profiles is refused rather than wrapped into a wrong time.
  int64_t ms = hv * 3600000 + mv * 60000 + sv * 1000 + FractionMs(f);
  return ms > std::numeric_limits<int32_t>::max() ? -1 : ms;
}

std::string FormatTimeText(int64_t ms) {
  std::string sign;
  uint64_t v = static_cast<uint64_t>(ms);
  if (ms < 0) {
    sign = "-";
    v = 0 - v;
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%llu:%02u:%02u.%03u",
                static_cast<unsigned long long>(v / 3600000), static_cast<unsigned>(v / 60000 % 60),
                static_cast<unsigned>(v / 1000 % 60), static_cast<unsigned>(v % 1000));
  return sign + buf;
}

bool SecondsTextToMs(std::string_view text, int64_t& ms) {
  text = TrimBlanks(text);
  bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  std::string_view frac =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() && frac.empty()) return false;
  if (!whole.empty() && !AllOf(whole, "0123456789")) return false;
  if (!frac.empty() && !AllOf(frac, "0123456789")) return false;
  if (whole.size() > 12) return false;

  int64_t value = 0;
  for (char c : whole) value = value * 10 + (c - '0');
  for (size_t i = 0; i < 3; ++i) value = value * 10 + (i < frac.size() ? frac[i] - '0' : 0);
  // The digits past the milliseconds decide the rounding, exactly: a double
  // would turn 2.0035 into 2003.4999... and round a tie the wrong way.
  std::string_view rest = frac.size() > 3 ? frac.substr(3) : std::string_view();
  if (!rest.empty()) {
    bool beyondHalf = rest.find_first_not_of('0', 1) != std::string_view::npos;
    if (rest[0] > '5' || (rest[0] == '5' && (beyondHalf || value % 2 != 0))) ++value;
  }
  ms = negative ? -value : value;
  return true;
}

int64_t TimeTextToMs(std::string_view text) {
  std::vector<std::string> parts = SplitText(text, ':');
  if (parts.size() > 3) return 0;
  while (parts.size() < 3) parts.insert(parts.begin(), "0");
  int64_t ms = 0;
  if (!SecondsTextToMs(parts[2], ms)) ms = 0;
  return WholeOrZero(parts[0]) * 3600000 + WholeOrZero(parts[1]) * 60000 + ms;
}

int64_t RoundHalfEven(double x) {
  if (!std::isfinite(x) || x >= 9.2e18 || x <= -9.2e18) return 0;
  double below = std::floor(x);
  double diff = x - below;
  auto whole = static_cast<int64_t>(below);
  if (diff > 0.5 || (diff == 0.5 && whole % 2 != 0)) ++whole;
  return whole;
}
