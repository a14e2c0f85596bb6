// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The audio and video streams the encoder's FFmpeg finds in a file.
struct TStreamCount {
  int Audio = 0;
  int Video = 0;
};

// Asks FFmpeg (KINOVERT_FFMPEG, else "ffmpeg" on PATH: the one avcore runs)
// to open the file and counts the streams it lists. The media library knows
// fewer formats than FFmpeg reads (WavPack, NUT, raw H.263, …), so this is
// the second opinion on a file in which the library found no stream. Zero
// and zero when FFmpeg is missing or cannot read the file. Safe on any
// thread; runs FFmpeg as a child and waits for it.
TStreamCount CountStreamsWithFfmpeg(const std::string& fileName);
