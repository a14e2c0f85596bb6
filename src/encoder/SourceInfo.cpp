// SPDX-License-Identifier: GPL-3.0-or-later
#include "SourceInfo.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <sstream>
#include <tuple>
#include <utility>

#include "Translate.h"

namespace {

std::optional<double> Number(const std::string& text) {
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
    return std::nullopt;
  return v;
}

// "30000/1001" or "16:15" -> {num, den}; {0, 0} for anything else.
std::pair<int64_t, int64_t> Fraction(const std::string& text, char separator) {
  size_t at = text.find(separator);
  if (at == std::string::npos) return {0, 0};
  int64_t num = 0, den = 0;
  const char* p = text.data();
  auto a = std::from_chars(p, p + at, num);
  auto b = std::from_chars(p + at + 1, p + text.size(), den);
  if (a.ec != std::errc() || b.ec != std::errc() || a.ptr != p + at || b.ptr != p + text.size() ||
      num <= 0 || den <= 0)
    return {0, 0};
  return {num, den};
}

// "00:01:02.500000000" -> 62.5; -1 for anything else.
double ClockSeconds(const std::string& text) {
  size_t a = text.find(':'), b = text.find(':', a == std::string::npos ? a : a + 1);
  if (a == std::string::npos || b == std::string::npos) return -1;
  auto h = Number(text.substr(0, a)), m = Number(text.substr(a + 1, b - a - 1)),
       sec = Number(text.substr(b + 1));
  if (!h || !m || !sec || *h < 0 || *m < 0 || *sec < 0) return -1;
  return *h * 3600 + *m * 60 + *sec;
}

std::string Unquoted(std::string v) {
  if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
  return v;
}

void SetStreamField(TSourceStream& s, const std::string& key, const std::string& v) {
  auto number = [&v](double fallback) { return Number(v).value_or(fallback); };
  if (key == "index")
    s.Index = static_cast<int>(number(-1));
  else if (key == "codec_type")
    s.Type = v;
  else if (key == "codec_name")
    s.Codec = v;
  else if (key == "pix_fmt")
    s.PixelFormat = v;
  else if (key == "disposition.attached_pic")
    s.AttachedPicture = v == "1";
  else if (key == "width")
    s.Width = static_cast<int>(number(0));
  else if (key == "height")
    s.Height = static_cast<int>(number(0));
  else if (key == "sample_aspect_ratio")
    std::tie(s.SarNum, s.SarDen) = Fraction(v, ':');
  else if (key == "r_frame_rate") {
    auto [num, den] = Fraction(v, '/');
    s.FrameRate = den > 0 ? static_cast<double>(num) / static_cast<double>(den) : 0;
  } else if (key == "field_order")
    s.FieldOrder = v;
  else if (key == "channels")
    s.Channels = static_cast<int>(number(0));
  else if (key == "sample_rate")
    s.SampleRate = static_cast<int>(number(0));
  else if (key == "start_time")
    s.Start = number(-1);
  else if (key == "duration")
    s.Duration = number(-1);
  else if (key == "tags.DURATION" && s.Duration < 0)  // Matroska keeps it as a tag
    s.Duration = ClockSeconds(v);
  else if (key == "nb_frames")
    s.Frames = static_cast<int64_t>(number(-1));
}

}  // namespace

double TSourceStream::PixelAspect() const {
  return SarNum > 0 && SarDen > 0 ? static_cast<double>(SarNum) / static_cast<double>(SarDen) : 1;
}

bool TSourceStream::Interlaced() const {
  if (FieldOrder == "tt" || FieldOrder == "bb" || FieldOrder == "tb" || FieldOrder == "bt")
    return true;
  // DV is interlaced by its standard, though the stream header does not say so.
  return Codec == "dvvideo" && FieldOrder != "progressive";
}

const TSourceStream* TSourceInfo::Video() const {
  for (const TSourceStream& s : Streams)
    if (s.Type == "video" && !s.AttachedPicture) return &s;
  return nullptr;
}

const TSourceStream* TSourceInfo::Cover() const {
  for (const TSourceStream& s : Streams)
    if (s.Type == "video" && s.AttachedPicture) return &s;
  return nullptr;
}

const TSourceStream* TSourceInfo::Audio() const {
  for (const TSourceStream& s : Streams)
    if (s.Type == "audio") return &s;
  return nullptr;
}

double TSourceInfo::EndOf(const TSourceStream& s, bool orFile) const {
  if (s.Duration > 0) {
    const double offset = s.Start >= 0 && Start >= 0 ? s.Start - Start : 0;
    return offset + s.Duration;
  }
  return orFile ? Duration : -1;
}

bool TSourceInfo::SeeksByIndex() const {
  const std::string first = Format.substr(0, Format.find(','));
  return first == "mov" || first == "matroska" || first == "avi" || first == "asf" ||
         first == "nut";
}

int64_t TSourceInfo::Pictures() const {
  const TSourceStream* v = Video();
  if (v == nullptr) return 0;
  if (v->Frames > 0) return v->Frames;
  // Image readers ("png_pipe", "image2") give one picture per file.
  if (Format == "image2" || (Format.size() > 5 && Format.ends_with("_pipe"))) return 1;
  const double length = v->Duration > 0 ? v->Duration : Duration;
  if (v->FrameRate > 0 && length > 0) return std::llround(length * v->FrameRate);
  return -1;
}

std::vector<std::string> SourceProbeArgs(const std::string& path) {
  return {"-v",
          "error",
          "-show_entries",
          "format=format_name,start_time,duration:stream=index,codec_type,codec_name,pix_fmt,"
          "width,height,sample_aspect_ratio,r_frame_rate,field_order,channels,sample_rate,"
          "start_time,duration,nb_frames:stream_disposition=attached_pic:stream_tags=DURATION",
          "-of",
          "flat",
          FfmpegFileArg(path)};
}

TSourceInfo ParseSourceProbe(const std::string& text) {
  TSourceInfo info;
  std::istringstream in(text);
  static const std::string kStream = "streams.stream.", kFormat = "format.";
  for (std::string line; std::getline(in, line);) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq), value = Unquoted(line.substr(eq + 1));
    if (key.rfind(kStream, 0) == 0) {
      // "streams.stream.3.codec_name": the number, then the field.
      size_t dot = key.find('.', kStream.size());
      if (dot == std::string::npos) continue;
      auto n = Number(key.substr(kStream.size(), dot - kStream.size()));
      if (!n || *n < 0 || *n > 1000) continue;
      const size_t at = static_cast<size_t>(*n);
      if (info.Streams.size() <= at) info.Streams.resize(at + 1);
      SetStreamField(info.Streams[at], key.substr(dot + 1), value);
      info.Known = true;
    } else if (key.rfind(kFormat, 0) == 0) {
      const std::string field = key.substr(kFormat.size());
      if (field == "format_name") info.Format = value;
      if (field == "start_time") info.Start = Number(value).value_or(-1);
      if (field == "duration") info.Duration = Number(value).value_or(-1);
      info.Known = true;
    }
  }
  return info;
}
