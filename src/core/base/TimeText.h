// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Time texts. Profiles and editors hold milliseconds, shown as
// "h:mm:ss.xxx" (xxx the milliseconds); the encoder writes its durations as
// "hh:mm:ss.ff".

// Milliseconds of a time typed by the user, or -1 when the text is not a
// time. Accepted forms, first match wins: h:m:s.f, m:s.f, s.f, s, m:s, h:m:s,
// where every field is a run of digits (empty reads as 0) and .f is a
// decimal fraction of a second (1.5 is 1500 ms, 1.05 is 1050 ms; digits past
// the milliseconds round to the nearest, ties to the even one). A time beyond
// the range of the 32-bit millisecond fields is not a time either.
int64_t ParseTimeText(std::string_view text);

// Longest time a profile's time window may hold: 200 hours. The editors
// accept no more, and the encoder takes no more.
inline constexpr int64_t kMaxTimeWindowMs = 720000000;

// Hours (at least one digit, never wrapped at 24) ":" mm ":" ss "." xxx;
// a negative time gets a leading "-".
std::string FormatTimeText(int64_t ms);

// The encoder's rule: hours:minutes:seconds, the seconds with an optional
// fraction; ms = h*3600000 + m*60000 + nearest(s*1000), ties to even. An
// hours or minutes part that is not a whole number, or a seconds part that is
// not a decimal number, counts as 0. "m:s" and "s" are read as the trailing
// parts of a full time; more than three parts give 0.
int64_t TimeTextToMs(std::string_view text);

// Decimal seconds ("12.3456", "-1.5") to milliseconds, rounded exactly to
// the nearest, ties to even; false when text is not a plain decimal number.
bool SecondsTextToMs(std::string_view text, int64_t& ms);

// The integer nearest to x, ties to the even one.
int64_t RoundHalfEven(double x);
