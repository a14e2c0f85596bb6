// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translate.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>

#include "Snap.h"

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::optional<double> ParseNumber(const std::string& text) {
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

// What the old command line asked for; the last of repeated options wins, as
// it did for the old encoder.
struct TRequest {
  bool Overwrite = false;
  bool NoOverwrite = false;
  std::string Format, Duration, Start, Target, Strict;
  bool SameQuality = false, NoVideo = false, NoAudio = false;
  std::string VideoCodec, Size, VideoBitrate, FrameRate, Aspect;
  std::string AudioCodec, Channels, AudioBitrate, SampleRate;
  std::vector<std::string> Other;  // anything else, passed on unchanged
  bool HasVideoFilter = false, HasAudioFilter = false, HasPixelFormat = false;
};

bool IsZeroTime(const std::string& t) {
  if (t.empty()) return false;
  return std::all_of(t.begin(), t.end(), [](char c) { return c == '0' || c == ':' || c == '.'; });
}

std::string VideoEncoderName(const std::string& legacy, const std::string& container) {
  const std::string c = Lower(legacy);
  if (c == "xvid") return "libxvid";
  if (c == "h264" || c == "x264") return "libx264";
  if (c == "msmpeg4") {
    // MS-MPEG-4 v3 has no tag in the ISO family of containers.
    if (container == "mp4" || container == "psp" || container == "3gp" || container == "3g2" ||
        container == "mov" || container == "ipod")
      return "mpeg4";
    return "msmpeg4";
  }
  return legacy;
}

std::string AudioEncoderName(const std::string& legacy) {
  const std::string c = Lower(legacy);
  if (c == "mp3") return "libmp3lame";
  if (c == "amr_nb" || c == "libamr_nb") return "libopencore_amrnb";
  if (c == "amr_wb" || c == "libamr_wb") return "libvo_amrwbenc";
  if (c == "libfaac" || c == "faac") return "aac";
  return legacy;
}

// The encoders FFmpeg picks for a container when none is named; needed to
// know which limits apply.
struct TDefaults {
  const char* Video;
  const char* Audio;
};
const std::map<std::string, TDefaults>& ContainerDefaults() {
  static const std::map<std::string, TDefaults> k = {
      {"3gp", {"h263", "libopencore_amrnb"}}, {"3g2", {"h263", "libopencore_amrnb"}},
      {"rm", {"rv10", "ac3"}},                {"amr", {"", "libopencore_amrnb"}},
      {"swf", {"flv", "libmp3lame"}},         {"mpeg", {"mpeg1video", "mp2"}},
      {"vob", {"mpeg2video", "mp2"}},         {"ac3", {"", "ac3"}},
      {"mp2", {"", "mp2"}},                   {"mp3", {"", "libmp3lame"}},
      {"adts", {"", "aac"}},                  {"avi", {"mpeg4", "libmp3lame"}},
      {"mov", {"libx264", "aac"}},            {"mp4", {"libx264", "aac"}},
      {"psp", {"libx264", "aac"}},            {"asf", {"msmpeg4", ""}},
      {"wav", {"", "pcm_s16le"}}};
  return k;
}

// Encoders that can keep the source's quality by a fixed quantiser.
bool TakesQuantiser(const std::string& e) {
  return e != "libx264" && e != "ffvhuff" && e != "huffyuv" && e != "copy" && !e.empty() &&
         e.rfind("pcm_", 0) != 0;
}

TRequest ReadRequest(const TLegacyCommand& cmd, std::string& error) {
  TRequest r;
  for (const TLegacyOption& o : cmd.Options) {
    const std::string& n = o.Name;
    const std::string& v = o.Value;
    if (n == "-y") r.Overwrite = true;
    else if (n == "-n") r.NoOverwrite = true;
    else if (n == "-f") r.Format = v;
    else if (n == "-t") r.Duration = v;
    else if (n == "-ss") r.Start = v;
    else if (n == "-target") r.Target = v;
    else if (n == "-strict") r.Strict = v;
    else if (n == "-sameq") r.SameQuality = true;
    else if (n == "-vn") r.NoVideo = true;
    else if (n == "-an") r.NoAudio = true;
    else if (n == "-vcodec" || n == "-c:v") r.VideoCodec = v;
    else if (n == "-s") r.Size = v;
    else if (n == "-b" || n == "-b:v") r.VideoBitrate = v;
    else if (n == "-r") r.FrameRate = v;
    else if (n == "-aspect") r.Aspect = v;
    else if (n == "-acodec" || n == "-c:a") r.AudioCodec = v;
    else if (n == "-ac") r.Channels = v;
    else if (n == "-ab") r.AudioBitrate = v;
    else if (n == "-b:a") r.AudioBitrate = ParseNumber(v) ? FormatKbps(*ParseNumber(v) / 1000) : v;
    else if (n == "-ar") r.SampleRate = v;
    else if (n.size() < 2 || n[0] != '-') {
      error = "unexpected word '" + n + "' on the command line";
      return r;
    } else {
      if (n == "-vf" || n == "-filter:v") r.HasVideoFilter = true;
      if (n == "-af" || n == "-filter:a") r.HasAudioFilter = true;
      if (n == "-pix_fmt") r.HasPixelFormat = true;
      r.Other.push_back(n);
      if (o.HasValue) r.Other.push_back(v);
    }
  }
  return r;
}

std::string Extension(const std::string& path) {
  size_t slash = path.find_last_of('/');
  size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return Lower(path.substr(dot + 1));
}

}  // namespace

std::string FfmpegFileArg(const std::string& path) { return "file:" + path; }

std::string OutputContainer(const std::string& format, const std::string& outputPath) {
  if (!format.empty()) return Lower(format) == "aac" ? "adts" : Lower(format);
  static const std::map<std::string, std::string> kByExt = {
      {"avi", "avi"}, {"mp4", "mp4"}, {"m4v", "mp4"}, {"m4a", "mp4"}, {"3gp", "3gp"},
      {"3g2", "3g2"}, {"mov", "mov"}, {"wmv", "asf"}, {"wma", "asf"}, {"asf", "asf"},
      {"rm", "rm"},   {"ra", "rm"},   {"swf", "swf"}, {"mpg", "mpeg"}, {"mpeg", "mpeg"},
      {"vob", "vob"}, {"aac", "adts"}, {"ac3", "ac3"}, {"mp2", "mp2"}, {"mp3", "mp3"},
      {"amr", "amr"}, {"wav", "wav"}, {"flv", "flv"}, {"mkv", "matroska"}};
  auto it = kByExt.find(Extension(outputPath));
  return it == kByExt.end() ? "" : it->second;
}

TTranslation TranslateCommand(const TLegacyCommand& cmd, const std::string& mediaInput) {
  TTranslation t;
  TRequest r = ReadRequest(cmd, t.Error);
  if (!t.Error.empty()) return t;
  std::vector<std::string>& a = t.Args;
  auto add = [&a](std::initializer_list<std::string> items) { a.insert(a.end(), items); };

  const std::string container = OutputContainer(r.Format, cmd.Output);
  const bool usesTarget = !r.Target.empty();
  auto defaults = ContainerDefaults().find(container);

  std::string videoEncoder, audioEncoder;
  if (!r.NoVideo && !usesTarget) {
    if (!r.VideoCodec.empty()) videoEncoder = VideoEncoderName(r.VideoCodec, container);
    else if (defaults != ContainerDefaults().end()) videoEncoder = defaults->second.Video;
  }
  if (!r.NoAudio && !usesTarget) {
    if (!r.AudioCodec.empty()) audioEncoder = AudioEncoderName(r.AudioCodec);
    else if (defaults != ContainerDefaults().end()) audioEncoder = defaults->second.Audio;
  }

  // FFmpeg writes RealVideo into AVI without complaint, but nothing can read
  // the file back.
  if (videoEncoder == "rv10" && container == "avi") {
    t.Error = "RealVideo 1.0 (rv10) cannot be stored in an AVI file; choose the RM format for rv10";
    return t;
  }

  if (r.Overwrite) add({"-y"});
  else if (r.NoOverwrite) add({"-n"});

  // Seeking on the input gives the same samples as an output seek, without
  // decoding everything before the start.
  if (!r.Start.empty() && !IsZeroTime(r.Start)) add({"-ss", r.Start});
  add({"-i", FfmpegFileArg(mediaInput)});
  if (!r.Duration.empty()) {
    // A zero duration is the untouched default of a time window, not a wish
    // for an empty file.
    if (IsZeroTime(r.Duration)) t.Notes.push_back("duration 0 ignored: converting to the end");
    else add({"-t", r.Duration});
  }

  if (!r.Format.empty()) add({"-f", container});
  if (usesTarget) add({"-target", r.Target});

  // Video.
  if (r.NoVideo) {
    add({"-vn"});
  } else {
    if (!videoEncoder.empty()) add({"-c:v", videoEncoder});
    if (videoEncoder == "libx264" && !r.HasPixelFormat) add({"-pix_fmt", "yuv420p"});
    if (!r.Size.empty()) {
      auto size = ParseFrameSize(r.Size);
      if (size && !usesTarget && !videoEncoder.empty()) {
        TFrameSize snapped = SnapFrameSize(videoEncoder, *size);
        if (!(snapped == *size))
          t.Notes.push_back("frame size " + r.Size + " is not possible for " + videoEncoder + ", using " +
                            FormatFrameSize(snapped));
        add({"-s", FormatFrameSize(snapped)});
      } else {
        add({"-s", r.Size});
      }
    } else if (!usesTarget && !r.HasVideoFilter) {
      std::string filter = SourceSizeFilter(videoEncoder);
      if (!filter.empty()) add({"-vf", filter});
    }
    const bool sameQuality = r.SameQuality && !usesTarget;
    if (sameQuality && videoEncoder == "libx264") add({"-crf", "18"});
    else if (sameQuality && TakesQuantiser(videoEncoder.empty() ? "mpeg4" : videoEncoder)) add({"-q:v", "2"});
    // A fixed quantiser or CRF keeps the quality; a bitrate would fight it.
    if (!r.VideoBitrate.empty() && !sameQuality) add({"-b:v", r.VideoBitrate});
    if (!r.FrameRate.empty()) {
      std::string rate = SnapFrameRate(videoEncoder, r.FrameRate);
      auto asked = ParseRate(r.FrameRate);
      auto given = ParseRate(rate);
      if (asked && given && std::abs(*asked - *given) > 0.01)
        t.Notes.push_back("frame rate " + r.FrameRate + " is not possible for " + videoEncoder + ", using " + rate);
      add({"-r", rate});
    }
    if (!r.Aspect.empty()) add({"-aspect", r.Aspect});
  }

  // Audio.
  if (r.NoAudio) {
    add({"-an"});
  } else {
    if (!audioEncoder.empty()) add({"-c:a", audioEncoder});
    int channels = 0;
    if (!r.Channels.empty()) {
      // The old encoder wrote 5.1 as "5:1".
      if (r.Channels == "5:1" || r.Channels == "5.1") channels = 6;
      else if (auto n = ParseNumber(r.Channels)) channels = static_cast<int>(*n);
    }
    const int maxChannels = MaxChannels(audioEncoder);
    if (channels > maxChannels || (channels == 0 && maxChannels == 1)) {
      if (channels > maxChannels)
        t.Notes.push_back(std::to_string(channels) + " channels are not possible for " + audioEncoder + ", using " +
                          std::to_string(maxChannels));
      channels = maxChannels;
    }
    if (channels > 0) add({"-ac", std::to_string(channels)});
    else if (!r.Channels.empty()) add({"-ac", r.Channels});

    int sampleRate = 0;
    if (auto n = ParseNumber(r.SampleRate)) sampleRate = static_cast<int>(*n);
    // Without a rate FFmpeg keeps the source's, which it fits to the encoder
    // itself; AMR needs its one rate anyway.
    int snappedRate = sampleRate > 0 || MaxChannels(audioEncoder) == 1
                          ? SnapSampleRate(audioEncoder, container, sampleRate)
                          : sampleRate;
    if (snappedRate != sampleRate) {
      if (sampleRate != 0)
        t.Notes.push_back("sample rate " + r.SampleRate + " is not possible for " + audioEncoder + ", using " +
                          std::to_string(snappedRate));
      sampleRate = snappedRate;
    }
    if (sampleRate > 0) add({"-ar", std::to_string(sampleRate)});
    else if (!r.SampleRate.empty()) add({"-ar", r.SampleRate});
    else if (container == "swf" && !r.HasAudioFilter)
      add({"-af", "aformat=sample_rates=44100|22050|11025"});

    // The old "-ab" counted kbit/s; today a bare number is bit/s.
    std::optional<double> kbps;
    if (!r.AudioBitrate.empty()) {
      std::string v = r.AudioBitrate;
      if (!v.empty() && (v.back() == 'k' || v.back() == 'K')) v.pop_back();
      kbps = ParseNumber(v);
    } else if (audioEncoder == "libopencore_amrnb") {
      kbps = 12.2;
    } else if (audioEncoder == "libvo_amrwbenc") {
      kbps = 23.85;
    }
    if (kbps) {
      double snapped = SnapAudioBitrate(audioEncoder, *kbps, sampleRate);
      if (!r.AudioBitrate.empty() && std::abs(snapped - *kbps) > 1e-6)
        t.Notes.push_back("audio bitrate " + r.AudioBitrate + " kbit/s is not possible for " + audioEncoder +
                          ", using " + FormatKbps(snapped) + "bit/s");
      add({"-b:a", FormatKbps(snapped)});
    } else if (!r.AudioBitrate.empty()) {
      add({"-b:a", r.AudioBitrate});
    }
  }

  if (!r.Strict.empty()) add({"-strict", r.Strict});
  a.insert(a.end(), r.Other.begin(), r.Other.end());
  a.push_back(FfmpegFileArg(cmd.Output));
  return t;
}
