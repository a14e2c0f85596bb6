// SPDX-License-Identifier: GPL-3.0-or-later
#include "LegacyGrammar.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <span>

namespace {

using K = TValueKind;

constexpr std::array<TOptionRule, 18> kRules = {{
    {"-y", K::None},
    {"-an", K::None},
    {"-vn", K::None},
    {"-sameq", K::None},
    {"-f", K::Container},
    {"-t", K::Time},
    {"-ss", K::Time},
    {"-vcodec", K::VideoCodec},
    {"-s", K::FrameSize},
    {"-b", K::VideoBitrate},
    {"-r", K::FrameRate},
    {"-aspect", K::Aspect},
    {"-acodec", K::AudioCodec},
    {"-ac", K::Channels},
    {"-ar", K::SampleRate},
    {"-ab", K::AudioBitrate},
    {"-target", K::Target},
    {"-strict", K::Strictness},
}};

using TWords = std::span<const std::string_view>;

constexpr std::string_view kContainers[] = {"avi", "mp4", "psp", "ipod", "3gp", "3g2",
                                            "mov", "rm",  "vob", "asf",  "aac", "ac3",
                                            "mp2", "mp3", "amr", "wav"};
constexpr std::string_view kVideoCodecs[] = {
    "msmpeg4", "msmpeg4v2", "xvid", "h263", "h263p", "h264",       "ffvhuff",   "mjpeg",
    "svq1",    "flv",       "wmv1", "wmv2", "rv10",  "mpeg1video", "mpeg2video"};
constexpr std::string_view kAudioCodecs[] = {
    "ac3", "mp2", "mp3", "aac", "amr_nb", "amr_wb", "pcm_s16le", "pcm_u8", "pcm_s16be", "pcm_alaw"};
constexpr std::string_view kTargets[] = {"film-vcd",  "ntsc-vcd",  "pal-vcd",
                                         "film-svcd", "ntsc-svcd", "pal-svcd",
                                         "film-dvd",  "ntsc-dvd",  "pal-dvd"};
constexpr std::string_view kChannels[] = {"1", "2", "5:1"};
constexpr std::string_view kStrictness[] = {"-2"};

std::string OneOf(TWords words, std::string_view value) {
  if (std::find(words.begin(), words.end(), value) != words.end()) return "";
  std::string list;
  for (std::string_view w : words) (list += list.empty() ? "" : ", ") += w;
  return "one of " + list;
}

// "" when `text` is a whole number in [min, max]; else what is wanted.
std::string InRange(std::string_view text, int64_t min, int64_t max, std::string_view what) {
  auto v = ParseDigits(text);
  if (v && *v >= min && *v <= max) return "";
  return std::string(what) + " from " + std::to_string(min) + " to " + std::to_string(max);
}

std::string FrameSizeProblem(std::string_view text) {
  const std::string wanted = "a frame size WIDTHxHEIGHT, each from 1 to 8192 pixels";
  size_t x = text.find('x');
  if (x == std::string_view::npos) return wanted;
  auto w = ParseDigits(text.substr(0, x));
  auto h = ParseDigits(text.substr(x + 1));
  return w && h && *w >= 1 && *w <= 8192 && *h >= 1 && *h <= 8192 ? "" : wanted;
}

std::string FrameRateProblem(std::string_view text) {
  const std::string wanted = "a frame rate from 1 to 240 frames per second";
  size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? "0" : text.substr(point + 1);
  if (!ParseDigits(whole) || !ParseDigits(fraction) || fraction.size() > 6) return wanted;
  double v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v >= 1 && v <= 240 ? "" : wanted;
}

std::string AspectProblem(std::string_view text) {
  auto r = ParseRatio(text);
  return r && r->Num <= 1000 && r->Den <= 1000 ? "" : "an aspect ratio W:H, each from 1 to 1000";
}

}  // namespace

std::optional<int64_t> ParseDigits(std::string_view text) {
  // Eighteen digits always fit 64 bits; no sign, no blanks, no exponent.
  if (text.empty() || text.size() > 18 ||
      text.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  int64_t v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

std::optional<int64_t> ParseLegacyTime(std::string_view text) {
  // Hours, two-digit minutes and seconds, three-digit milliseconds.
  size_t c1 = text.find(':');
  if (c1 == std::string_view::npos || text.size() != c1 + 10 || text[c1 + 3] != ':' ||
      text[c1 + 6] != '.')
    return std::nullopt;
  auto h = ParseDigits(text.substr(0, c1));
  auto m = ParseDigits(text.substr(c1 + 1, 2));
  auto s = ParseDigits(text.substr(c1 + 4, 2));
  auto ms = ParseDigits(text.substr(c1 + 7, 3));
  if (!h || !m || !s || !ms || *h > 200 || *m > 59 || *s > 59) return std::nullopt;
  // Two hundred hours is the longest window the editors let anyone set.
  const int64_t total = ((*h * 60 + *m) * 60 + *s) * 1000 + *ms;
  if (total > int64_t{200} * 3600 * 1000) return std::nullopt;
  return total;
}

std::optional<TRatio> ParseRatio(std::string_view text) {
  size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  auto n = ParseDigits(text.substr(0, colon));
  auto d = ParseDigits(text.substr(colon + 1));
  if (!n || !d || *n == 0 || *d == 0) return std::nullopt;
  return TRatio{*n, *d};
}

const TOptionRule* FindOptionRule(std::string_view name) {
  for (const TOptionRule& r : kRules)
    if (r.Name == name) return &r;
  return nullptr;
}

std::string ValueProblem(const TOptionRule& rule, std::string_view value) {
  std::string wanted;
  switch (rule.Kind) {
    case K::None:
      return "";
    case K::Container:
      wanted = OneOf(kContainers, value);
      break;
    case K::VideoCodec:
      wanted = OneOf(kVideoCodecs, value);
      break;
    case K::AudioCodec:
      wanted = OneOf(kAudioCodecs, value);
      break;
    case K::Target:
      wanted = OneOf(kTargets, value);
      break;
    case K::Channels:
      wanted = OneOf(kChannels, value);
      break;
    case K::Strictness:
      wanted = OneOf(kStrictness, value);
      break;
    case K::Time:
      wanted = ParseLegacyTime(value) ? "" : "a time H:MM:SS.mmm of at most 200 hours";
      break;
    case K::FrameSize:
      wanted = FrameSizeProblem(value);
      break;
    case K::VideoBitrate:
      wanted = !value.empty() && value.back() == 'k'
                   ? InRange(value.substr(0, value.size() - 1), 1, 200000, "a bitrate in kbit/s")
                   : "a bitrate in kbit/s with a \"k\", from 1k to 200000k";
      break;
    case K::FrameRate:
      wanted = FrameRateProblem(value);
      break;
    case K::Aspect:
      wanted = AspectProblem(value);
      break;
    case K::SampleRate:
      wanted = InRange(value, 8000, 96000, "a sample rate in Hz");
      break;
    case K::AudioBitrate:
      wanted = InRange(value, 1, 1000, "an audio bitrate in kbit/s");
      break;
  }
  if (wanted.empty()) return "";
  std::string text = "\"";
  text.append(rule.Name)
      .append("\" takes ")
      .append(wanted)
      .append(", not '")
      .append(value)
      .append("'");
  return text;
}
