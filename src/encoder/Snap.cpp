// SPDX-License-Identifier: GPL-3.0-or-later
#include "Snap.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

std::optional<int> ParseInt(std::string_view text) {
  int v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

std::optional<double> ParseDouble(std::string_view text) {
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
    return std::nullopt;
  return v;
}

int RoundToMultiple(int v, int m) {
  int r = (v + m / 2) / m * m;
  return std::max(r, m);
}

// Shrinks a size to fit a box, keeping its shape, on a grid of `m` pixels.
TFrameSize FitInto(TFrameSize s, int maxW, int maxH, int m) {
  if (s.Width > maxW || s.Height > maxH) {
    double f = std::min(static_cast<double>(maxW) / s.Width, static_cast<double>(maxH) / s.Height);
    s.Width = static_cast<int>(s.Width * f);
    s.Height = static_cast<int>(s.Height * f);
  }
  s.Width = std::min(RoundToMultiple(s.Width, m), maxW / m * m);
  s.Height = std::min(RoundToMultiple(s.Height, m), maxH / m * m);
  return s;
}

constexpr TFrameSize kH263Sizes[] = {{128, 96}, {176, 144}, {352, 288}, {704, 576}, {1408, 1152}};

}  // namespace

TSizeRule SizeRule(const std::string& encoder) {
  if (encoder == "h263p") return {2048, 1152, 4};
  // rv10 counts macroblocks, and the RealMedia muxer cannot hold the packets
  // of large pictures.
  if (encoder == "rv10") return {720, 576, 16};
  if (encoder == "svq1") return {4094, 4094, 2};
  if (encoder == "libx264" || encoder == "ffvhuff" || encoder == "libxvid" || encoder == "wmv1" ||
      encoder == "wmv2")
    return {0, 0, 2};
  return {};
}

std::span<const TFrameSize> H263Sizes() {
  return kH263Sizes;
}

std::optional<TFrameSize> ParseFrameSize(const std::string& text) {
  size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  auto w = ParseInt(std::string_view(text).substr(0, x));
  auto h = ParseInt(std::string_view(text).substr(x + 1));
  if (!w || !h || *w <= 0 || *h <= 0) return std::nullopt;
  return TFrameSize{*w, *h};
}

std::string FormatFrameSize(TFrameSize size) {
  return std::to_string(size.Width) + "x" + std::to_string(size.Height);
}

TFrameSize SnapFrameSize(const std::string& encoder, TFrameSize size) {
  if (encoder == "h263") {
    TFrameSize best = kH263Sizes[0];
    long bestDist = -1;
    for (TFrameSize c : kH263Sizes) {
      long d = std::labs(static_cast<long>(c.Width) - size.Width) +
               std::labs(static_cast<long>(c.Height) - size.Height);
      if (bestDist < 0 || d < bestDist) {
        best = c;
        bestDist = d;
      }
    }
    return best;
  }
  TSizeRule rule = SizeRule(encoder);
  if (rule.MaxWidth > 0) return FitInto(size, rule.MaxWidth, rule.MaxHeight, rule.Multiple);
  // Odd sizes buy nothing and several encoders refuse them.
  return {RoundToMultiple(size.Width, 2), RoundToMultiple(size.Height, 2)};
}

std::optional<double> ParseRate(const std::string& text) {
  size_t slash = text.find('/');
  if (slash == std::string::npos) return ParseDouble(text);
  auto n = ParseDouble(std::string_view(text).substr(0, slash));
  auto d = ParseDouble(std::string_view(text).substr(slash + 1));
  if (!n || !d || *d == 0) return std::nullopt;
  return *n / *d;
}

std::string SnapFrameRate(const std::string& encoder, const std::string& rate) {
  static const std::pair<const char*, const char*> kNtsc[] = {
      {"29.97", "30000/1001"}, {"14.985", "15000/1001"}, {"23.976", "24000/1001"},
      {"59.94", "60000/1001"}, {"19.98", "20000/1001"},  {"11.988", "12000/1001"}};
  std::string exact = rate;
  for (const auto& [dec, frac] : kNtsc)
    if (rate == dec) exact = frac;
  if (encoder != "mpeg1video" && encoder != "mpeg2video") return exact;
  auto value = ParseRate(exact);
  if (!value) return exact;
  static const std::pair<double, const char*> kMpeg[] = {
      {24000.0 / 1001, "24000/1001"}, {24, "24"}, {25, "25"},
      {30000.0 / 1001, "30000/1001"}, {30, "30"}, {50, "50"},
      {60000.0 / 1001, "60000/1001"}, {60, "60"}};
  const char* best = kMpeg[0].second;
  double bestDist = -1;
  for (const auto& [v, text] : kMpeg) {
    double d = std::fabs(v - *value);
    if (bestDist < 0 || d < bestDist - 1e-9) {
      best = text;
      bestDist = d;
    }
  }
  return best;
}

double Nearest(const std::vector<double>& allowed, double value) {
  double best = allowed.front();
  for (double a : allowed)
    if (std::fabs(a - value) < std::fabs(best - value) - 1e-9) best = a;
  return best;
}

int SnapSampleRate(const std::string& encoder, const std::string& container, int rate) {
  std::vector<double> allowed;
  if (encoder == "libopencore_amrnb") return 8000;
  if (encoder == "libvo_amrwbenc") return 16000;
  if (container == "swf" && encoder == "libmp3lame")
    allowed = {44100, 22050, 11025};
  else if (encoder == "ac3")
    allowed = {48000, 44100, 32000};
  else if (encoder == "mp2")
    allowed = {48000, 44100, 32000, 24000, 22050, 16000};
  else if (encoder == "libmp3lame")
    allowed = {48000, 44100, 32000, 24000, 22050, 16000, 12000, 11025, 8000};
  else
    return rate;
  return static_cast<int>(Nearest(allowed, rate));
}

double SnapAudioBitrate(const std::string& encoder, double kbps, int sampleRate) {
  if (encoder == "libopencore_amrnb")
    return Nearest({4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2}, kbps);
  if (encoder == "libvo_amrwbenc")
    return Nearest({6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85}, kbps);
  if (encoder == "ac3")
    return Nearest(
        {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 448, 512, 576, 640},
        kbps);
  // Without a sample rate the source's is used; most sources have 32 kHz or more.
  const bool low = sampleRate > 0 && sampleRate < 32000;
  const bool lowest = sampleRate > 0 && sampleRate < 16000;
  if (encoder == "mp2") {
    if (low) return Nearest({8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}, kbps);
    return Nearest({32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384}, kbps);
  }
  if (encoder == "libmp3lame") {
    if (lowest) return Nearest({8, 16, 24, 32, 40, 48, 56, 64}, kbps);
    if (low) return Nearest({8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}, kbps);
    return Nearest({32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}, kbps);
  }
  return kbps;
}

int MaxChannels(const std::string& encoder) {
  if (encoder == "mp2" || encoder == "libmp3lame") return 2;
  if (encoder == "libopencore_amrnb" || encoder == "libvo_amrwbenc") return 1;
  return 8;
}

std::string FormatKbps(double kbps) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", kbps);
  std::string s = buf;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s + "k";
}
