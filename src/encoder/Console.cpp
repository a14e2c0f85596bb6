// SPDX-License-Identifier: GPL-3.0-or-later
#include "Console.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "Translate.h"

namespace {

constexpr size_t kMostLineBytes = 64 * 1024;

double Number(const TProgressBlock& b, const std::string& key, double fallback) {
  auto it = b.find(key);
  if (it == b.end()) return fallback;
  std::string v = it->second;
  size_t start = v.find_first_not_of(' ');
  if (start == std::string::npos) return fallback;
  double d = 0;
  auto [end, ec] = std::from_chars(v.data() + start, v.data() + v.size(), d);
  if (ec != std::errc() || end == v.data() + start) return fallback;
  return d;
}

// Copies once, so a line full of matches costs no more than its length.
void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  size_t at = s.find(from);
  if (at == std::string::npos) return;
  std::string out;
  size_t done = 0;
  for (; at != std::string::npos; at = s.find(from, done)) {
    out.append(s, done, at - done).append(to);
    done = at + from.size();
  }
  s = out.append(s, done, std::string::npos);
}

bool Contains(const std::string& s, const char* part) {
  return s.find(part) != std::string::npos;
}

}  // namespace

std::string UserNames(std::string line, const TConsoleNames& names) {
  ReplaceAll(line, FfmpegFileArg(names.Input), names.Input);
  if (names.Output != names.Input) ReplaceAll(line, FfmpegFileArg(names.Output), names.Output);
  return line;
}

std::string FormatProgressLine(const TProgressBlock& b) {
  double seconds = Number(b, "out_time_us", -1);
  seconds = seconds < 0 ? 0 : seconds / 1e6;
  double bytes = Number(b, "total_size", 0);
  if (bytes < 0) bytes = 0;
  double kbps = Number(b, "bitrate", -1);
  if (kbps < 0) kbps = seconds > 0 ? bytes * 8 / 1000 / seconds : 0;

  char buf[256];
  std::string line;
  if (b.count("frame") != 0) {
    double q = 0;
    for (const auto& [key, value] : b)
      if (key.rfind("stream_", 0) == 0 && key.size() > 2 &&
          key.compare(key.size() - 2, 2, "_q") == 0) {
        q = std::max(0.0, Number(b, key, 0));  // FFmpeg reports -1 where there is no quantiser
        break;
      }
    std::snprintf(buf, sizeof buf, "frame=%5.0f fps=%3.0f q=%3.1f ", Number(b, "frame", 0),
                  Number(b, "fps", 0), q);
    line = buf;
  }
  std::snprintf(buf, sizeof buf, "size=%8.0fkB time=%0.2f bitrate=%6.1fkbits/s", bytes / 1024,
                seconds, kbps);
  return line + buf;
}

std::vector<std::string> TLineSplitter::Feed(const char* data, size_t size) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < size; ++i) {
    char c = data[i];
    if (c == '\n' && LastWasCr_) {
      LastWasCr_ = false;  // CR LF ends one line, even across two chunks
    } else if (c == '\n' || c == '\r') {
      lines.push_back(Pending_);
      Pending_.clear();
      LastWasCr_ = c == '\r';
    } else {
      Pending_ += c;
      LastWasCr_ = false;
      // No console line is this long; a stream without line ends must not
      // grow without bound.
      if (Pending_.size() >= kMostLineBytes) {
        lines.push_back(Pending_);
        Pending_.clear();
      }
    }
  }
  return lines;
}

std::vector<std::string> TLineSplitter::Finish() {
  std::vector<std::string> lines;
  if (!Pending_.empty()) lines.push_back(Pending_);
  Pending_.clear();
  return lines;
}

bool IsFailureLine(const std::string& line) {
  if (Contains(line, "No audio or video streams available") ||
      Contains(line, "I/O error occured") || Contains(line, "Could not open"))
    return true;
  return line.rfind("Error", 0) == 0 && line.rfind("Error while decoding stream", 0) != 0;
}

bool IsWriteFailure(const std::string& line) {
  return Contains(line, "No space left on device") || Contains(line, "Error writing trailer") ||
         Contains(line, "Error closing file") || Contains(line, "Input/output error");
}

std::string RelayFfmpegLine(const std::string& raw, const TConsoleNames& names) {
  if (raw.empty() || raw.rfind("ffmpeg stats and -progress period set to", 0) == 0) return "";
  // FFmpeg's own closing statistics write time as HH:MM:SS; the progress
  // line of avcore takes their place.
  if ((raw.rfind("frame=", 0) == 0 || raw.rfind("size=", 0) == 0) && Contains(raw, " time="))
    return "";
  std::string line = UserNames(raw, names);
  if (!IsFailureLine(line)) return line;
  ReplaceAll(line, "Could not open", "could not open");
  ReplaceAll(line, "No audio or video streams available", "no audio or video streams available");
  ReplaceAll(line, "I/O error occured", "I/O error occurred");
  return "ffmpeg: " + line;
}
