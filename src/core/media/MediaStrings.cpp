// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaStrings.h"

#include <charconv>

#include "media/EncoderStreams.h"

// Names are looked up exactly as written. Today's library knows no "Bitrate",
// only "BitRate", so the video bit rate falls back to that spelling rather
// than always showing the placeholder.
const std::array<TMediaQuery, kMediaStringCount> MediaQueries = {{
    {TStreamKind::General, "CompleteName", MSG_COMPLETENAME},
    {TStreamKind::General, "FileSize", MSG_FILESIZE},
    {TStreamKind::General, "Format", MSG_FORMAT},
    {TStreamKind::General, "PlayTime/String3", MSG_PLAYTIME},
    {TStreamKind::General, "AudioCount", MSG_AUDIOCOUNT},
    {TStreamKind::General, "VideoCount", MSG_VIDEOCOUNT},
    {TStreamKind::Video, "Codec/String", MSG_VCODE},
    {TStreamKind::Video, "Width", MSG_WIDTH},
    {TStreamKind::Video, "Height", MSG_HEIGHT},
    {TStreamKind::Video, "Bitrate", MSG_VBITRATE, "BitRate"},
    {TStreamKind::Video, "AspectRatio", MSG_ADPECTRATIO},
    {TStreamKind::Video, "FrameRate", MSG_FRAMERATE},
    {TStreamKind::Audio, "Codec/String", MSG_ACODEC},
    {TStreamKind::Audio, "BitRate", MSG_ABITRATE},
    {TStreamKind::Audio, "Channel(s)", MSG_CHANNELS},
    {TStreamKind::Audio, "SamplingRate", MSG_SAMPLINGRATE},
}};

namespace {

// A stream count as the library writes it; 0 for anything else.
int CountOf(const std::string& text) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && value > 0 ? value : 0;
}

bool HasStream(const TMediaStrings& strings) {
  return CountOf(strings[msAudioCount]) > 0 || CountOf(strings[msVideoCount]) > 0;
}

}  // namespace

// Runs on the file adder's worker thread too: nothing here may read the text
// table, which a language switch rewrites on the main thread.
TMediaStrings QueryMediaStrings(const std::string& fileName) {
  TMediaStrings strings;
  // One handle per file: handles are cheap next to parsing, and a query then
  // shares nothing with another thread's.
  TMediaInfo info;
  // A file of a format the library does not know still answers its name and
  // size; whether it holds anything to convert is asked below.
  bool readable = info.Open(fileName);
  for (std::size_t i = 0; i < kMediaStringCount; ++i) {
    const TMediaQuery& q = MediaQueries[i];
    std::string answer = readable ? info.Get(q.Kind, 0, q.Parameter) : std::string();
    if (answer.empty() && readable && q.Fallback != nullptr) answer = info.Get(q.Kind, 0, q.Fallback);
    strings[i] = std::move(answer);
  }
  // No stream the library can see: the encoder, which reads more formats,
  // has the last word. Random bytes or a cut-off file get no count at all.
  if (AnswersNameAndSize(strings) && !HasStream(strings)) {
    TStreamCount found = CountStreamsWithFfmpeg(fileName);
    if (found.Audio > 0) strings[msAudioCount] = std::to_string(found.Audio);
    if (found.Video > 0) strings[msVideoCount] = std::to_string(found.Video);
  }
  return strings;
}

bool AnswersNameAndSize(const TMediaStrings& strings) {
  return !strings[msCompleteName].empty() && !strings[msFileSize].empty();
}

bool IsMediaReadable(const TMediaStrings& strings) {
  return AnswersNameAndSize(strings) && HasStream(strings);
}

std::string MediaInfoReport(const std::string& fileName) {
  TMediaInfo info;
  if (!info.Open(fileName)) return {};
  return info.StandardInform();
}

const std::array<TMediaPanelPlace, kMediaStringCount> MediaPanelPlaces = {{
    {8, 1}, {10, 3}, {12, 5}, {9, 2}, {11, 4}, {13, 6}, {15, 7}, {17, 9},
    {19, 11}, {16, 8}, {18, 10}, {20, 12}, {22, 13}, {24, 15}, {23, 14}, {25, 16},
}};
