// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConsoleRelay.h"

#include <charconv>
#include <string_view>
#include <utility>

#include "Translate.h"

namespace {

constexpr size_t kKeptLines = 60;
constexpr size_t kMostProgressKeys = 64;

bool StartsWith(std::string_view s, std::string_view p) {
  return s.substr(0, p.size()) == p;
}
bool Contains(std::string_view s, std::string_view p) {
  return s.find(p) != std::string_view::npos;
}

// Error-level lines that FFmpeg's MPEG-family encoders print while their rate
// control copes; they never say why a run failed.
bool IsRateControlChatter(std::string_view text) {
  return Contains(text, "rc buffer underflow") || Contains(text, "max bitrate possibly too small");
}

bool IsErrorLevel(std::string_view level) {
  return level == "error" || level == "fatal" || level == "panic";
}

// "video:0kB audio:0kB subtitle:0kB other streams:0kB global headers:0kB ..."
bool AllStreamsEmpty(std::string_view text) {
  for (std::string_view key : {"video:", "audio:", "subtitle:", "other streams:"}) {
    size_t at = text.find(key);
    if (at == std::string_view::npos || !StartsWith(text.substr(at + key.size()), "0kB"))
      return false;
  }
  return true;
}

// "  Duration: 00:01:02.50, start: ..." -> 62500000; -1 for "N/A" or anything else.
int64_t DurationUs(std::string_view text) {
  static constexpr std::string_view kKey = "  Duration: ";
  text.remove_prefix(kKey.size());
  int64_t h = 0, m = 0, s = 0, cs = 0;
  const char* p = text.data();
  const char* end = p + text.size();
  for (auto [value, stop] : {std::pair{&h, ':'}, {&m, ':'}, {&s, '.'}, {&cs, ','}}) {
    auto [next, ec] = std::from_chars(p, end, *value);
    if (ec != std::errc() || next == end || *next != stop || *value < 0) return -1;
    p = next + 1;
  }
  if (m > 59 || s > 59 || cs > 99 || h > 1000000) return -1;
  return ((h * 60 + m) * 60 + s) * 1000000 + cs * 10000;
}

// The longest frame avcore lets an encoder write: a picture at one frame a
// second, the lowest rate it takes. Audio frames are far shorter.
constexpr int64_t kLongestFrameUs = 1000000;

}  // namespace

bool StartLiesPastTheEnd(const TFfmpegReport& report, int64_t startMs) {
  return startMs > 0 && report.InputDurationUs >= 0 && startMs * 1000 >= report.InputDurationUs &&
         report.MostOutTimeUs <= kLongestFrameUs;
}

TFfmpegLine SplitLevel(const std::string& raw) {
  static constexpr std::string_view kLevels[] = {"quiet", "panic",   "fatal", "error", "warning",
                                                 "info",  "verbose", "debug", "trace"};
  // The tag follows the optional "[context @ 0x...] " prefix.
  size_t at = 0;
  if (StartsWith(raw, "[") && raw.find(" @ ") != std::string::npos) {
    size_t close = raw.find("] ");
    if (close != std::string::npos) at = close + 2;
  }
  for (std::string_view level : kLevels) {
    std::string tag = "[";
    tag.append(level).append("] ");
    if (raw.compare(at, tag.size(), tag) == 0)
      return {std::string(level), raw.substr(0, at).append(raw, at + tag.size())};
  }
  return {"", raw};
}

TConsoleRelay::TConsoleRelay(TConsoleNames names, TEmit emit)
    : Names_(std::move(names)), Emit_(std::move(emit)) {}

void TConsoleRelay::FeedConsole(const char* data, size_t size) {
  for (const std::string& l : ConsoleLines_.Feed(data, size)) ConsoleLine(l);
}

void TConsoleRelay::FeedProgress(const char* data, size_t size) {
  for (const std::string& l : ProgressLines_.Feed(data, size)) ProgressLine(l);
}

void TConsoleRelay::Finish() {
  for (const std::string& l : ConsoleLines_.Finish()) ConsoleLine(l);
  for (const std::string& l : ProgressLines_.Finish()) ProgressLine(l);
}

void TConsoleRelay::ConsoleLine(const std::string& raw) {
  if (raw.empty()) return;
  TFfmpegLine line = SplitLevel(raw);
  const std::string& text = line.Text;
  // FFmpeg names the file an error is about. One about the input is no
  // write error: some readers end every file with one (RoQ does).
  if (IsWriteFailure(text))
    (StartsWith(text, FfmpegFileArg(Names_.Input) + ": ") ? InputReadFailed_ : WriteFailed_) = true;
  if (Contains(text, "Output file is empty, nothing was encoded")) EmptyOutput_ = true;
  if (StartsWith(text, "video:") && Contains(text, " audio:"))
    StatsAllZero_ = AllStreamsEmpty(text);
  // The streams the source has, from the header FFmpeg prints before the output's.
  if (StartsWith(text, "Output #") || StartsWith(text, "Stream mapping:")) InOutputPart_ = true;
  if (!InOutputPart_ && InputDurationUs_ < 0 && StartsWith(text, "  Duration: "))
    InputDurationUs_ = DurationUs(text);
  if (!InOutputPart_ && StartsWith(text, "  Stream #0:")) {
    InputHasVideo_ = InputHasVideo_ || Contains(text, ": Video: ");
    InputHasAudio_ = InputHasAudio_ || Contains(text, ": Audio: ");
  }
  if (IsErrorLevel(line.Level) && FirstError_.Text.empty() && !IsRateControlChatter(text))
    FirstError_ = line;
  Kept_.push_back(line);
  if (Kept_.size() > kKeptLines) Kept_.pop_front();
  std::string shown = RelayFfmpegLine(text, Names_);
  if (!shown.empty()) Emit_(shown);
}

void TConsoleRelay::ProgressLine(const std::string& line) {
  size_t eq = line.find('=');
  if (eq == std::string::npos) return;
  std::string key = line.substr(0, eq);
  if (key != "progress") {
    if (Block_.size() < kMostProgressKeys || Block_.count(key) != 0)
      Block_[key] = line.substr(eq + 1);
    return;
  }
  if (auto it = Block_.find("out_time_us"); it != Block_.end()) {
    int64_t us = 0;
    const std::string& v = it->second;
    auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), us);
    if (ec == std::errc() && us > MostOutTimeUs_) MostOutTimeUs_ = us;
  }
  if (line.substr(eq + 1) == "end") ProgressEnded_ = true;
  LastProgress_ = FormatProgressLine(Block_);
  ++ProgressLinesShown_;
  Emit_(LastProgress_);
  Block_.clear();
}

TFfmpegReport TConsoleRelay::Report() const {
  TFfmpegReport r;
  r.Lines.assign(Kept_.begin(), Kept_.end());
  r.FirstError = FirstError_;
  r.WriteFailed = WriteFailed_;
  r.InputReadFailed = InputReadFailed_;
  // FFmpeg says so itself; failing that, its progress never left zero and its
  // closing statistics count no byte of any stream.
  r.NothingEncoded = EmptyOutput_ || (ProgressEnded_ && MostOutTimeUs_ <= 0 && StatsAllZero_);
  r.InputHasVideo = InputHasVideo_;
  r.InputHasAudio = InputHasAudio_;
  r.InputDurationUs = InputDurationUs_;
  r.MostOutTimeUs = MostOutTimeUs_;
  return r;
}
