// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputCheck.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "Translate.h"

namespace {

std::optional<double> Number(std::string_view text) {
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
    return std::nullopt;
  return v;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

std::string Seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", s);
  return text;
}

// How much shorter than expected a stream may end: an audio frame, a
// picture at a low rate, a coder's delay.
double Slack(double expected) {
  return std::max(0.5, 0.1 * expected);
}

}  // namespace

TPacketListing::TState& TPacketListing::At(size_t index) {
  if (States_.size() <= index) States_.resize(index + 1);
  return States_[index];
}

void TPacketListing::Line(const std::string& line) {
  std::vector<std::string_view> f = Fields(line);
  auto index = f.size() > 1 ? Number(f[1]) : std::nullopt;
  if (!index || *index < 0 || *index > 1000) return;
  TState& s = At(static_cast<size_t>(*index));
  if (f[0] == "stream" && f.size() >= 3) {
    s.Stream.Type = std::string(f[2]);
    return;
  }
  if (f[0] != "packet" || f.size() < 5) return;
  std::optional<double> at = Number(f[2]);
  if (!at) at = Number(f[3]);
  const double duration = Number(f[4]).value_or(0);
  if (!at) at = s.Sum;
  s.Sum = *at + duration;
  TOutputStream& o = s.Stream;
  if (o.Packets == 0 || *at < o.First) o.First = *at;
  if (o.Packets == 0 || *at + duration > o.End) o.End = *at + duration;
  ++o.Packets;
}

std::vector<TOutputStream> TPacketListing::Streams() const {
  std::vector<TOutputStream> streams;
  for (const TState& s : States_) streams.push_back(s.Stream);
  return streams;
}

std::vector<std::string> OutputProbeArgs(const std::string& path) {
  return {"-v",
          "error",
          "-show_entries",
          "stream=index,codec_type:packet=stream_index,pts_time,dts_time,duration_time",
          "-of",
          "csv=p=1",
          FfmpegFileArg(path)};
}

TOutputVerdict CheckOutput(const std::vector<TOutputStream>& streams, const TOutputExpectation& e,
                           double convertedSeconds, const std::string& input,
                           const std::string& output) {
  TOutputVerdict v;
  // The file's own clock starts at its earliest packet.
  std::optional<double> start;
  for (const TOutputStream& s : streams)
    if (s.Packets > 0) start = std::min(start.value_or(s.First), s.First);
  if (!start) {
    v.Empty = true;
    return v;
  }
  auto check = [&](const char* type, const char* what, bool wanted, double seconds) {
    if (!wanted || !v.Problem.empty()) return;
    const TOutputStream* found = nullptr;
    for (const TOutputStream& s : streams)
      if (s.Type == type && s.Packets > 0 && (found == nullptr || s.End > found->End)) found = &s;
    if (found == nullptr) {
      v.Problem = "'" + output + "' holds no " + what + ", though '" + input + "' has " + what +
                  " to convert";
      return;
    }
    double expected = seconds;
    if (convertedSeconds > 0) expected = std::min(expected, convertedSeconds);
    const double got = found->End - *start;
    if (expected > 0 && expected - got > Slack(expected))
      v.Problem = "the " + std::string(what) + " in '" + output + "' ends at " + Seconds(got) +
                  ", though '" + input + "' has " + Seconds(expected) + " of it to convert";
  };
  check("video", "video", e.Video, e.VideoSeconds);
  check("audio", "sound", e.Audio, e.AudioSeconds);
  if (!v.Problem.empty() || e.Seconds <= 0) return v;
  double end = *start;
  for (const TOutputStream& s : streams)
    if (s.Packets > 0) end = std::max(end, s.End);
  double expected = e.Seconds;
  if (convertedSeconds > 0) expected = std::min(expected, convertedSeconds);
  if (expected - (end - *start) > Slack(expected))
    v.Problem = "'" + output + "' ends at " + Seconds(end - *start) + ", though '" + input +
                "' has " + Seconds(expected) + " to convert";
  return v;
}
