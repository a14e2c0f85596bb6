// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "lang/ResStr.h"
#include "media/MediaInfo.h"

// The sixteen properties read from an input file, in this order everywhere
// (the file item, the file list's sub-items, the media panel).
enum TMediaStringIndex : int {
  msCompleteName,
  msFileSize,  // size in bytes as decimal digits
  msFormat,
  msPlayTime,
  msAudioCount,
  msVideoCount,
  msVideoCodec,
  msWidth,
  msHeight,
  msVideoBitrate,
  msAspectRatio,
  msFrameRate,
  msAudioCodec,
  msAudioBitrate,
  msChannels,
  msSamplingRate,
};
inline constexpr std::size_t kMediaStringCount = 16;

using TMediaStrings = std::array<std::string, kMediaStringCount>;

// One of the sixteen queries: stream number 0 of `Kind`, the parameter looked
// up by name exactly as written, and the key of its caption in the panel.
struct TMediaQuery {
  TStreamKind Kind;
  const char* Parameter;
  TMsgKey Caption;
  const char* Fallback = nullptr;  // asked when Parameter gives no answer
};

// The queries in the order of TMediaStringIndex. The two bit rates are asked
// for under different spellings, "Bitrate" for video and "BitRate" for audio.
extern const std::array<TMediaQuery, kMediaStringCount> MediaQueries;

// Where each string stands in the media panel: the number of its label
// (Label8 … Label25) and of its value box (EditBox1 … EditBox16), in the
// order of TMediaStringIndex.
struct TMediaPanelPlace {
  int Label;
  int Box;
};
extern const std::array<TMediaPanelPlace, kMediaStringCount> MediaPanelPlaces;

// The sixteen strings of a file; a property the file has not is "" (where
// a value is shown, NonEmptyOr puts the placeholder in its place). The name
// is bytes; the complete name answered is the name as shown (ShownText).
// Anything but a non-empty regular file that can be read gives sixteen empty
// strings. When the library finds no audio or video stream, the counts are
// FFmpeg's (CountStreamsWithFfmpeg). Reads no text of the text table, so any
// thread may ask.
TMediaStrings QueryMediaStrings(const std::string& fileName);

// True when the complete name and the size were answered: the file could be
// opened (kinovert-cli info prints such a file, whatever it holds).
bool AnswersNameAndSize(const TMediaStrings& strings);

// The file list's rule: the name and size were answered, and the file has
// at least one audio or video stream. Anything else (a damaged file, random
// bytes under a media name) is rejected with the format message rather than
// failing in the middle of a batch.
bool IsMediaReadable(const TMediaStrings& strings);

// The library's standard text report of a file (never the complete one);
// "" when the file cannot be opened.
std::string MediaInfoReport(const std::string& fileName);
