// SPDX-License-Identifier: GPL-3.0-or-later
// avcore's reading of FFmpeg's console and progress output. The input is cut
// at 0xFF bytes into pieces that go alternately to the console and to the
// progress stream, fed in chunks whose size the first byte picks. Whatever
// FFmpeg prints, no relayed line reads as a failure to the batch (only
// avcore decides that), and the verdict on a failed run always does.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Console.h"
#include "ConsoleRelay.h"
#include "FailureReason.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t chunk = 1 + data[0] % 64;
  const TConsoleNames names{"/in/a'b.avi", "/out/c d.avi"};
  TConsoleRelay relay(names, [](const std::string& line) {
    if (IsFailureLine(line)) std::abort();
  });
  bool toConsole = true;
  const char* text = reinterpret_cast<const char*>(data + 1);
  size_t left = size - 1, at = 0;
  while (at < left) {
    size_t end = at;
    while (end < left && static_cast<unsigned char>(text[end]) != 0xFF) ++end;
    for (size_t p = at; p < end; p += chunk) {
      size_t n = std::min(chunk, end - p);
      if (toConsole)
        relay.FeedConsole(text + p, n);
      else
        relay.FeedProgress(text + p, n);
    }
    toConsole = !toConsole;
    at = end + 1;
  }
  relay.Finish();
  TFfmpegReport report = relay.Report();
  if (report.Lines.size() > 60) std::abort();
  if (!IsFailureLine(ExplainFailure(report, names, 1))) std::abort();
  return 0;
}
