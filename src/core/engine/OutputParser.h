// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class TProgressView;
class TBatchHost;

// What the parser needs to know besides the chunk.
struct TParseContext {
  bool ProcessEnded = false;     // the child has exited: hold nothing back
  // The profile options of the file (its -t/-ss time window), never the
  // whole command line: a file name may hold " -t " too.
  std::string_view Options;
  TProgressView* View = nullptr;  // nullptr once the batch window has closed
  TBatchHost* Host = nullptr;
  double Now = 0;  // days, as DayClock() counts them
  // Each failure line of the encoder, as it is booked: the batch goes on
  // and tells it when the file ends, so nothing waits for the user here.
  std::function<void(const std::string& line)> OnFailureLine;
};

// Follows the encoder's console output, chunk by chunk, from standard output
// and standard error alike: reads names, duration, position, size and
// bitrate into GlobalVars, computes file and batch progress and times, shows
// them, and books failure lines (each handed to OnFailureLine). Linear in the
// size of the output: a line that arrives in many pieces is collected, not
// re-scanned.
void ParseEncoderOutput(const char* buffer, int32_t size, const TParseContext& context);

// The current time as a count of days (the fraction is the time of day).
double DayClock();

// "h:nn:ss" of the time-of-day part of a day count; negative spans show 0:00:00.
std::string FormatClock(double days);

// The batch's three clocks, in whole seconds so that the elapsed and the
// remaining time shown always add up to the estimated one. Without any
// progress yet there is no estimate: it and the remaining time stay empty.
struct TBatchClocks {
  std::string Elapsed, Estimated, Remaining;
};
TBatchClocks BatchClocks(double elapsedDays, int64_t totalBytes, int64_t progressBytes);

// A decimal number from the encoder (always with a full stop) to the nearest
// integer, ties to even; false when the text is no number.
bool NearestInteger(std::string_view text, int64_t& value);
