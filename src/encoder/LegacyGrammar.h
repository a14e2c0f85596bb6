// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The options avcore takes: exactly those the profile builder, the batch's
// two rewrites and the shipped device presets write, each with a value of
// the shape they write. Profiles are files users share, so anything else is
// refused rather than handed to FFmpeg, where it could name files or turn on
// features nobody asked for.

enum class TValueKind {
  None,          // a flag: -y, -an, -vn, -sameq
  Container,     // -f avi
  Time,          // -t 0:01:00.000
  VideoCodec,    // -vcodec msmpeg4
  AudioCodec,    // -acodec mp3
  FrameSize,     // -s 320x240
  VideoBitrate,  // -b 1080k
  FrameRate,     // -r 29.97
  Aspect,        // -aspect 16:9
  Channels,      // -ac 2, -ac 5:1
  SampleRate,    // -ar 44100
  AudioBitrate,  // -ab 128 (kbit/s)
  Target,        // -target pal-dvd
  Strictness,    // -strict -2
};

struct TOptionRule {
  std::string_view Name;
  TValueKind Kind;
  bool TakesValue() const { return Kind != TValueKind::None; }
};

// The rule of an option, or nullptr when the option is not ours.
const TOptionRule* FindOptionRule(std::string_view name);

// Why `value` cannot stand after `option` ("" when it can).
std::string ValueProblem(const TOptionRule& rule, std::string_view value);

// Readers of the values that passed the checks above; nothing for any other text.
std::optional<int64_t> ParseDigits(std::string_view text);      // "44100"
std::optional<int64_t> ParseLegacyTime(std::string_view text);  // "1:02:03.456" -> ms

struct TRatio {
  int64_t Num = 0;
  int64_t Den = 0;
  double Value() const { return static_cast<double>(Num) / static_cast<double>(Den); }
};
std::optional<TRatio> ParseRatio(std::string_view text);  // "16:9"
