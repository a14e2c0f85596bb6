// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

// Values FFmpeg's encoders refuse are moved to the nearest value they take,
// so that an old profile still converts instead of failing.

struct TFrameSize {
  int Width = 0;
  int Height = 0;
  bool operator==(const TFrameSize&) const = default;
};

// "640x480" -> {640, 480}; anything else (names such as "qcif") -> nothing.
std::optional<TFrameSize> ParseFrameSize(const std::string& text);
std::string FormatFrameSize(TFrameSize size);

// A size the encoder accepts, as close as possible to the one asked for.
TFrameSize SnapFrameSize(const std::string& encoder, TFrameSize size);

// The sizes an encoder takes: within MaxWidth x MaxHeight (0: no limit), on
// a grid of `Multiple` pixels. H.263 takes only the sizes of H263Sizes().
struct TSizeRule {
  int MaxWidth = 0;
  int MaxHeight = 0;
  int Multiple = 1;
};
TSizeRule SizeRule(const std::string& encoder);
std::span<const TFrameSize> H263Sizes();

// Decimal number or fraction ("25", "29.97", "30000/1001"); nothing if not a number.
std::optional<double> ParseRate(const std::string& text);

// The frame rate as FFmpeg should get it: exact NTSC fractions, and for
// MPEG-1/2 video one of the rates the standard allows.
std::string SnapFrameRate(const std::string& encoder, const std::string& rate);

// Sample rate in Hz the audio encoder and container take, nearest to `rate`.
int SnapSampleRate(const std::string& encoder, const std::string& container, int rate);

// Audio bitrate in kbit/s the encoder takes at that sample rate (0 = unknown).
double SnapAudioBitrate(const std::string& encoder, double kbps, int sampleRate);

// Most channels the encoder can write.
int MaxChannels(const std::string& encoder);

// Nearest value of a list (ties go to the earlier entry).
double Nearest(const std::vector<double>& allowed, double value);

// kbit/s as FFmpeg's option value: "96k", "12.2k", "23.85k".
std::string FormatKbps(double kbps);
