// SPDX-License-Identifier: GPL-3.0-or-later
#include "Console.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "Translate.h"

namespace {

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

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
}

bool Contains(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }

std::string UserNames(std::string line, const TConsoleNames& names) {
  ReplaceAll(line, FfmpegFileArg(names.Input), names.Input);
  if (names.Output != names.Input) ReplaceAll(line, FfmpegFileArg(names.Output), names.Output);
  return line;
}

// The system's reason at the end of "PATH: reason".
std::string ReasonAfter(const std::string& line, const std::string& path) {
  size_t at = line.find(path + ": ");
  if (at == std::string::npos) return "";
  return line.substr(at + path.size() + 2);
}

// "[libx264 @ 0x55…] width not divisible by 2" -> "libx264: width not divisible by 2"
std::string EncoderMessage(const std::string& line) {
  if (line.empty() || line[0] != '[') return "";
  size_t at = line.find(" @ ");
  size_t close = line.find("] ");
  if (at == std::string::npos || close == std::string::npos || at > close) return "";
  return line.substr(1, at - 1) + ": " + line.substr(close + 2);
}

}  // namespace

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
      if (key.rfind("stream_", 0) == 0 && key.size() > 2 && key.compare(key.size() - 2, 2, "_q") == 0) {
        q = std::max(0.0, Number(b, key, 0));  // FFmpeg reports -1 where there is no quantiser
        break;
      }
    std::snprintf(buf, sizeof buf, "frame=%5.0f fps=%3.0f q=%3.1f ", Number(b, "frame", 0), Number(b, "fps", 0), q);
    line = buf;
  }
  std::snprintf(buf, sizeof buf, "size=%8.0fkB time=%0.2f bitrate=%6.1fkbits/s", bytes / 1024, seconds, kbps);
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
  if (Contains(line, "No audio or video streams available") || Contains(line, "I/O error occured") ||
      Contains(line, "Could not open"))
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
  if ((raw.rfind("frame=", 0) == 0 || raw.rfind("size=", 0) == 0) && Contains(raw, " time=")) return "";
  std::string line = UserNames(raw, names);
  if (!IsFailureLine(line)) return line;
  ReplaceAll(line, "Could not open", "could not open");
  ReplaceAll(line, "No audio or video streams available", "no audio or video streams available");
  ReplaceAll(line, "I/O error occured", "I/O error occurred");
  return "ffmpeg: " + line;
}

std::string ExplainFailure(const std::vector<std::string>& rawLines, const TConsoleNames& names, int exitCode) {
  std::vector<std::string> lines;
  for (const std::string& l : rawLines) lines.push_back(UserNames(l, names));
  const std::string in = "'" + names.Input + "'";
  const std::string out = "'" + names.Output + "'";

  for (const std::string& l : lines)
    if (Contains(l, "No space left on device"))
      return "Error: the disk is full: could not write the output file " + out;
  for (const std::string& l : lines)
    if (Contains(l, "Invalid data found when processing input"))
      return "Error: " + in + " is not a video or audio file that can be read (invalid data)";
  for (const std::string& l : lines) {
    std::string reason = ReasonAfter(l, names.Output);
    if (!reason.empty() && l.rfind(names.Output, 0) == 0)
      return "Error: could not write the output file " + out + ": " + reason;
  }
  for (const std::string& l : lines) {
    std::string reason = ReasonAfter(l, names.Input);
    if (!reason.empty()) return "Error: Could not open " + in + ": " + reason;
  }
  for (const std::string& l : lines) {
    size_t at = l.find("Unknown encoder '");
    if (at != std::string::npos)
      return "Error: the installed FFmpeg has no " + l.substr(at + 8) + " for " + out +
             "; install the Debian packages ffmpeg and libavcodec-extra";
  }
  for (const std::string& l : lines)
    if (Contains(l, "does not contain any stream"))
      return "Error: " + in + " has no stream to convert into " + out + " (no audio or video streams available)";
  std::string encoderProblem;
  for (const std::string& l : lines)
    if (std::string m = EncoderMessage(l); !m.empty()) encoderProblem = m;
  for (const std::string& l : lines)
    if (Contains(l, "Error while opening encoder") || Contains(l, "Error initializing output stream"))
      return "Error: the encoder cannot make " + out + " with these settings" +
             (encoderProblem.empty() ? std::string() : ": " + encoderProblem);

  std::string last;
  for (const std::string& l : lines)
    if (!l.empty() && l != "Conversion failed!" && l.rfind("    Last message repeated", 0) != 0) last = l;
  return "Error: converting " + in + " to " + out + " failed (FFmpeg exit code " + std::to_string(exitCode) + ")" +
         (last.empty() ? std::string() : ": " + last);
}
