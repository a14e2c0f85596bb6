// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/OutputParser.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstring>

#include "app/GlobalVars.h"
#include "base/FileNames.h"
#include "base/FormatText.h"
#include "base/TextUtil.h"
#include "base/TimeText.h"
#include "engine/BatchView.h"
#include "lang/ResStr.h"

namespace {

constexpr double kMsPerDay = 86400000.0;

// Every lone CR, lone LF and CR LF becomes CR LF.
std::string NormaliseBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

bool IsFailureLine(const std::string& line) {
  if (line.find("No audio or video streams available") != std::string::npos ||
      line.find("I/O error occured") != std::string::npos ||
      line.find("Could not open") != std::string::npos)
    return true;
  return line.rfind("Error", 0) == 0 && line.rfind("Error while decoding stream", 0) != 0;
}

// After the stream map, a line that speaks of going back and the last one
// ends what is worth reading in this chunk.
bool EndsUsefulPart(const std::string& before, const std::string& line) {
  bool codecLog = !line.empty() && line[0] == '[' && line.find('@') != std::string::npos;
  return before.find("Stream") != std::string::npos && before.find("->") != std::string::npos &&
         line.find("Stream") == std::string::npos && line.find("size=") == std::string::npos &&
         !codecLog && line.find("back") != std::string::npos &&
         line.find("last") != std::string::npos;
}

// The -t/-ss window of the options: the length and start it asks for. A
// window without a positive length converts to the end, so it is no window.
struct TTimeWindow {
  bool Present = false;
  int64_t Length = 0, Start = 0;
};

TTimeWindow TimeWindowOf(std::string_view options) {
  TTimeWindow w;
  if (options.find(" -t ") == std::string_view::npos) return w;
  w.Length = TimeTextToMs(TextBetween(options, " -t ", " -ss "));
  w.Start = std::max<int64_t>(0, TimeTextToMs(TextBetween(options, " -ss ", " ")));
  w.Present = w.Length > 0;
  return w;
}

// A value as the 32-bit fields hold it, saturating instead of wrapping.
int32_t Saturate32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

int32_t Percent(double ratio) {
  if (!(ratio > 0)) return 0;
  return static_cast<int32_t>(std::min<int64_t>(100, RoundHalfEven(std::min(ratio, 1.0) * 100)));
}

void ParseLine(const std::string& line, const TParseContext& ctx, const TTimeWindow& window) {
  TGlobalVars& g = GlobalVars;
  TProgressView& view = *ctx.View;

  if (line.find("Input #0, ") != std::string::npos) {
    std::string value = TextBetween(line, "from '", "':");
    if (value != "N/A") g.EncoderInputName = value;
    // The DirectShow script is never shown as the input.
    if (FileExtension(g.EncoderInputName) == ".avs") g.EncoderInputName = g.CurrentInputFile;
  }
  if (line.find("Output #0, ") != std::string::npos) {
    std::string value = TextBetween(line, "to '", "':");
    if (value != "N/A") g.EncoderOutputName = value;
    // The encoder writes the part file; the user knows the output by the
    // name it gets when it is done.
    if (!g.OutputFile.empty() && g.EncoderOutputName == g.OutputFile)
      g.EncoderOutputName = g.CurrentOutputFile;
  }
  if (line.compare(0, 12, "  Duration: ") == 0) {
    size_t comma = line.find(',');
    std::string value(
        TrimBlanks(comma == std::string::npos || comma < 12 ? std::string_view{}
                                                            : std::string_view(line).substr(12, comma - 12)));
    if (value != "N/A") g.DurationMs = Saturate32(TimeTextToMs(value));
  }
  // A time window on the command line shortens what the encoder will write.
  if (window.Present && window.Length + window.Start < g.DurationMs)
    g.DurationMs = Saturate32(window.Length);
  if (line.find(" time=") != std::string::npos) {
    std::string value = TextBetween(line, " time=", " ");
    int64_t ms = 0;
    if (value == "10000000000.0")
      g.PositionMs = 0;
    else if (value != "N/A" && SecondsTextToMs(value, ms))
      g.PositionMs = Saturate32(ms);
  }
  if (line.find(" bitrate=") != std::string::npos) {
    std::string value = TextBetween(line, " bitrate=", "kbits/s");
    int64_t v = 0;
    if (value != "N/A" && NearestInteger(value, v)) g.BitrateKbps = Saturate32(v);
  }
  if (line.find("size=") != std::string::npos) {
    std::string value = TextBetween(line, "size=", "kB ");
    int64_t v = 0;
    if (value != "N/A" && NearestInteger(value, v)) g.OutputSizeKB = Saturate32(v);
  }

  const double batchElapsed = ctx.Now - g.BatchStartTime;
  view.ShowBatchElapsed(FormatClock(batchElapsed));

  if (g.DurationMs > 0 && g.PositionMs > 0) {
    g.FilePercent = Percent(static_cast<double>(g.PositionMs) / g.DurationMs);
    view.ShowFileStatus(ResStr(MSG_ID_STATUS) + std::to_string(g.FilePercent) + "%", g.FilePercent);
    double fileElapsed = ctx.Now - g.FileStartTime;
    double fileEstimate = static_cast<double>(g.DurationMs) * fileElapsed / g.PositionMs;
    view.ShowFileRemaining(FormatClock(fileEstimate - fileElapsed));

    // The batch never goes back: a file whose encoder starts over (a device
    // batch of several commands) keeps the share it had reached.
    g.ProgressBytes = std::max(g.ProgressBytes, g.DoneBytes + g.CurrentFileBytes / 100 * g.FilePercent +
                                                    g.CurrentFileBytes % 100 * g.FilePercent / 100);
    if (g.ProgressBytes > 0 && g.TotalBytes > 0) {
      // Nor does its figure: the rounding here may run ahead of the
      // truncated one a file's end computes.
      g.BatchPercent = std::max(g.BatchPercent, Percent(static_cast<double>(g.ProgressBytes) /
                                                        static_cast<double>(g.TotalBytes)));
      view.ShowBatchStatus(ResStr(MSG_ID_BATCH) + std::to_string(g.BatchPercent) + "%",
                           g.BatchPercent);
      const TBatchClocks clocks = BatchClocks(batchElapsed, g.TotalBytes, g.ProgressBytes);
      view.ShowBatchElapsed(clocks.Elapsed);
      view.ShowBatchEstimated(clocks.Estimated);
      view.ShowBatchRemaining(clocks.Remaining);
    }
  }

  view.ShowWorking(FormatText(ResStr(MSG_ID_WORKING),
                                 {std::to_string(g.DoneCount + g.FailedCount + 1),
                                  std::to_string(g.TotalCount), FileNamePart(g.EncoderInputName)}));
  view.ShowOutput(FormatText(ResStr(MSG_ID_OUTPUT), {FileNamePart(g.EncoderOutputName)}));
  if (!view.AnimationRunning()) view.StartAnimation(ResStr(MSG_CONVERTING));
  if (ctx.Host != nullptr)
    ctx.Host->SetTrayHint(
        FormatText(ResStr(MSG_TRAY_HINT), {g.EncoderInputName, std::to_string(g.FilePercent)}));
}

}  // namespace

bool NearestInteger(std::string_view text, int64_t& value) {
  text = TrimBlanks(text);
  double d = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(d) ||
      std::fabs(d) > 9e15)
    return false;
  value = RoundHalfEven(d);
  return true;
}

double DayClock() {
  using namespace std::chrono;
  auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  return static_cast<double>(ms) / kMsPerDay;
}

namespace {

std::string FormatSeconds(int64_t seconds) {
  seconds %= 86400;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%d:%02d:%02d", static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return buf;
}

// Whole seconds of a span, negative spans as 0; the clock shows the
// time-of-day part of it.
int64_t WholeSeconds(double days) {
  if (!(days > 0)) return 0;
  // Beyond any real span, only the time of day is left to show.
  if (days > 1e6) days -= std::floor(days);
  return static_cast<int64_t>(std::llround(days * kMsPerDay)) / 1000;
}

}  // namespace

std::string FormatClock(double days) {
  return FormatSeconds(WholeSeconds(days));
}

TBatchClocks BatchClocks(double elapsedDays, int64_t totalBytes, int64_t progressBytes) {
  TBatchClocks clocks;
  const int64_t elapsed = WholeSeconds(elapsedDays);
  clocks.Elapsed = FormatSeconds(elapsed);
  if (progressBytes <= 0 || totalBytes <= 0) return clocks;
  const double estimateDays =
      static_cast<double>(totalBytes) * elapsedDays / static_cast<double>(progressBytes);
  const int64_t estimate = std::max(elapsed, WholeSeconds(estimateDays));
  clocks.Estimated = FormatSeconds(estimate);
  clocks.Remaining = FormatSeconds(estimate - elapsed);
  return clocks;
}

void ParseEncoderOutput(const char* buffer, int32_t size, const TParseContext& ctx) {
  TGlobalVars& g = GlobalVars;
  size_t length = size > 0 ? static_cast<size_t>(size) : 0;
  if (const void* zero = std::memchr(buffer, 0, length))
    length = static_cast<size_t>(static_cast<const char*>(zero) - buffer);
  std::string chunk = NormaliseBreaks(std::string_view(buffer, length));

  // Pending text never holds a line break, so only the new chunk is searched:
  // a long line arriving in many pieces costs its length once.
  std::string text;
  if (ctx.ProcessEnded) {
    text = std::move(g.PendingOutput);
    text += chunk;
    g.PendingOutput.clear();
  } else {
    size_t last = chunk.rfind("\r\n");
    if (last == std::string::npos) {
      g.PendingOutput += chunk;
    } else {
      text = std::move(g.PendingOutput);
      text.append(chunk, 0, last + 2);
      g.PendingOutput = chunk.substr(last + 2);
    }
  }

  if (ctx.Host != nullptr) ctx.Host->SetFileState(g.CurrentInputFile, TFileState::Converting);

  const TTimeWindow window = TimeWindowOf(ctx.Options);
  std::string before;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t eol = text.find("\r\n", pos);
    std::string line = text.substr(pos, eol == std::string::npos ? std::string::npos : eol - pos);
    pos = eol == std::string::npos ? text.size() : eol + 2;
    if (!TrimBlanks(line).empty() && ctx.View != nullptr) {
      ParseLine(line, ctx, window);
      if (IsFailureLine(line)) {
        g.FileFailed = true;
        if (ctx.OnFailureLine) ctx.OnFailureLine(line);
      } else if (EndsUsefulPart(before, line)) {
        break;
      }
    }
    before = std::move(line);
  }
}
