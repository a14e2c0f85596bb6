// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translate.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

#include "AudioMix.h"
#include "AudioSync.h"
#include "EncoderTuning.h"
#include "LegacyGrammar.h"
#include "Picture.h"
#include "Snap.h"
#include "SourcePlan.h"

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// What the old command line asked for, read from options that passed the
// grammar; the last of repeated options wins, as it did for the old encoder.
struct TRequest {
  bool Overwrite = false, SameQuality = false, NoVideo = false, NoAudio = false;
  std::string Format, Target, Strict, VideoCodec, AudioCodec, FrameRate;
  std::optional<int64_t> DurationMs, StartMs;
  std::string Duration, Start;
  std::optional<TFrameSize> Size;
  std::optional<TRatio> Aspect;
  int VideoKbps = 0, AudioKbps = 0, SampleRate = 0, Channels = 0;
};

TRequest ReadRequest(const TLegacyCommand& cmd) {
  TRequest r;
  for (const TLegacyOption& o : cmd.Options) {
    const std::string& n = o.Name;
    const std::string& v = o.Value;
    auto number = [&v] { return static_cast<int>(ParseDigits(v).value_or(0)); };
    if (n == "-y")
      r.Overwrite = true;
    else if (n == "-sameq")
      r.SameQuality = true;
    else if (n == "-vn")
      r.NoVideo = true;
    else if (n == "-an")
      r.NoAudio = true;
    else if (n == "-f")
      r.Format = v;
    else if (n == "-target")
      r.Target = v;
    else if (n == "-strict")
      r.Strict = v;
    else if (n == "-vcodec")
      r.VideoCodec = v;
    else if (n == "-acodec")
      r.AudioCodec = v;
    else if (n == "-r")
      r.FrameRate = v;
    else if (n == "-t")
      r.Duration = v, r.DurationMs = ParseLegacyTime(v);
    else if (n == "-ss")
      r.Start = v, r.StartMs = ParseLegacyTime(v);
    else if (n == "-s")
      r.Size = ParseFrameSize(v);
    else if (n == "-aspect")
      r.Aspect = ParseRatio(v);
    else if (n == "-b")
      r.VideoKbps = static_cast<int>(ParseDigits(v.substr(0, v.size() - 1)).value_or(0));
    else if (n == "-ab")
      r.AudioKbps = number();
    else if (n == "-ar")
      r.SampleRate = number();
    else if (n == "-ac")
      r.Channels = v == "5:1" ? 6 : number();  // the old encoder wrote 5.1 as "5:1"
  }
  return r;
}

std::string VideoEncoderName(const std::string& legacy, const std::string& container) {
  if (legacy == "xvid") return "libxvid";
  if (legacy == "h264") return "libx264";
  if (legacy == "msmpeg4") {
    // MS-MPEG-4 v3 has no tag in the ISO family of containers.
    if (container == "mp4" || container == "psp" || container == "3gp" || container == "3g2" ||
        container == "mov" || container == "ipod")
      return "mpeg4";
    return "msmpeg4";
  }
  return legacy;
}

std::string AudioEncoderName(const std::string& legacy) {
  if (legacy == "mp3") return "libmp3lame";
  if (legacy == "amr_nb") return "libopencore_amrnb";
  if (legacy == "amr_wb") return "libvo_amrwbenc";
  return legacy;
}

// The encoders FFmpeg picks for a container when none is named; needed to
// know which limits apply.
struct TDefaults {
  const char* Video;
  const char* Audio;
};
const std::map<std::string, TDefaults>& ContainerDefaults() {
  static const std::map<std::string, TDefaults> k = {{"3gp", {"h263", "libopencore_amrnb"}},
                                                     {"3g2", {"h263", "libopencore_amrnb"}},
                                                     {"rm", {"rv10", "ac3"}},
                                                     {"amr", {"", "libopencore_amrnb"}},
                                                     {"swf", {"flv", "libmp3lame"}},
                                                     {"mpeg", {"mpeg1video", "mp2"}},
                                                     {"vob", {"mpeg2video", "mp2"}},
                                                     {"ac3", {"", "ac3"}},
                                                     {"mp2", {"", "mp2"}},
                                                     {"mp3", {"", "libmp3lame"}},
                                                     {"adts", {"", "aac"}},
                                                     {"avi", {"mpeg4", "libmp3lame"}},
                                                     {"mov", {"libx264", "aac"}},
                                                     {"mp4", {"libx264", "aac"}},
                                                     {"psp", {"libx264", "aac"}},
                                                     {"ipod", {"libx264", "aac"}},
                                                     {"asf", {"msmpeg4", ""}},
                                                     {"wav", {"", "pcm_s16le"}}};
  return k;
}

// Encoders that can keep the source's quality by a fixed quantiser.
bool TakesQuantiser(const std::string& e) {
  return e != "libx264" && e != "ffvhuff" && e != "huffyuv" && !e.empty() &&
         e.rfind("pcm_", 0) != 0;
}

std::string Extension(const std::string& path) {
  size_t slash = path.find_last_of('/');
  size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return Lower(path.substr(dot + 1));
}

// Seconds as a filter takes them.
std::string SecondsText(double seconds, int decimals) {
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, seconds);
  return text;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string s;
  for (const std::string& p : parts) (s += s.empty() ? "" : ",") += p;
  return s;
}

class TBuilder {
 public:
  TBuilder(const TRequest& r, const TLegacyCommand& cmd, const TSourceInfo& source, TTranslation& t)
      : R_(r), T_(t), Src_(source), Container_(OutputContainer(r.Format, cmd.Output)) {}

  bool PickEncoders() {
    const bool usesTarget = !R_.Target.empty();
    auto defaults = ContainerDefaults().find(Container_);
    const bool known = defaults != ContainerDefaults().end();
    if (!R_.NoVideo && !usesTarget)
      Video_ = !R_.VideoCodec.empty() ? VideoEncoderName(R_.VideoCodec, Container_)
               : known                ? defaults->second.Video
                                      : "";
    if (!R_.NoAudio && !usesTarget)
      Audio_ = !R_.AudioCodec.empty() ? AudioEncoderName(R_.AudioCodec)
               : known                ? defaults->second.Audio
                                      : "";
    // FFmpeg writes RealVideo into AVI without complaint, but nothing can read
    // the file back.
    if (Video_ == "rv10" && Container_ == "avi") {
      T_.Error =
          "RealVideo 1.0 (rv10) cannot be stored in an AVI file; choose the RM format for rv10";
      return false;
    }
    if (Container_ == "psp" && (R_.NoVideo || R_.NoAudio)) {
      T_.Error =
          "the PSP format needs a video and an audio stream, and the options switch off the " +
          std::string(R_.NoVideo ? "video" : "sound");
      return false;
    }
    TWindowRequest window;
    window.VideoOut = !R_.NoVideo && !IsAudioContainer(Container_);
    window.AudioOut = !R_.NoAudio;
    window.Container = Container_;
    window.StartMs = R_.StartMs.value_or(0);
    window.DurationMs = R_.DurationMs.value_or(0);
    Plan_ = PlanForSource(Src_, window);
    T_.Expect = Plan_.Expect;
    if (Src_.Known && !window.VideoOut && window.AudioOut && Src_.Audio() == nullptr) {
      T_.Error = "it has no sound to convert";
      return false;
    }
    return true;
  }

  void Head(const std::string& mediaInput) {
    if (R_.Overwrite) Add({"-y"});
    if (R_.StartMs.value_or(0) > 0) T_.StartMs = *R_.StartMs;
    // Seeking on the input spares decoding everything before the start.
    if (Plan_.Seek == TSeek::Exact || Plan_.Seek == TSeek::Loose) Add({"-ss", R_.Start});
    if (Plan_.Seek == TSeek::Loose) Add({"-noaccurate_seek"});
    Add({"-i", FfmpegFileArg(mediaInput)});
    if (Plan_.Silence) {
      Add({"-f", "lavfi"});
      if (Plan_.SilenceSeconds > 0) Add({"-t", SecondsText(Plan_.SilenceSeconds, 6)});
      Add({"-i", "anullsrc=r=48000:cl=stereo", "-map", "0:v:0", "-map", "1:a:0"});
      if (Plan_.SilenceSeconds <= 0) Add({"-shortest"});
      T_.Notes.push_back("the source has no sound; the PSP needs some: adding silence");
    }
    if (R_.DurationMs) {
      // A zero duration is the untouched default of a time window, not a wish
      // for an empty file.
      if (*R_.DurationMs == 0)
        T_.Notes.push_back("duration 0 ignored: converting to the end");
      else
        Add({"-t", R_.Duration});
    }
    if (!R_.Format.empty()) Add({"-f", Container_});
    if (!R_.Target.empty()) Add({"-target", R_.Target});
  }

  void Video() {
    if (R_.NoVideo) {
      Add({"-vn"});
      return;
    }
    if (!Video_.empty()) Add({"-c:v", Video_});
    if (Video_ == "libx264") Add({"-pix_fmt", "yuv420p"});
    std::string rate = FrameRate();
    // A held picture needs a rate to be repeated at.
    if ((Plan_.Cover || Plan_.CarryPicture) && rate.empty()) rate = "25";
    std::optional<TFrameSize> frame;
    std::optional<TRatio> frameAspect;
    if (auto disc = DiscTarget(R_.Target)) {
      frame = disc->Frame;
      frameAspect = FrameAspect(Container_, "mpeg2video", *frame, R_.Aspect, disc->Wide);
    } else if (R_.Size && !Video_.empty()) {
      frame = SnapFrameSize(Video_, *R_.Size);
      if (!(*frame == *R_.Size))
        T_.Notes.push_back("frame size " + FormatFrameSize(*R_.Size) + " is not possible for " +
                           Video_ + ", using " + FormatFrameSize(*frame));
      // The shape asked for survives a size the encoder had to move.
      std::optional<TRatio> asked = R_.Aspect;
      if (!asked) asked = TRatio{R_.Size->Width, R_.Size->Height};
      frameAspect = FrameAspect(Container_, Video_, *frame, asked);
    }
    const bool keepFields = KeepsFields(frame, frameAspect, rate);

    std::vector<std::string> filters = TimingFilters(rate, keepFields);
    if (frame) {
      filters.push_back(LetterboxFilter(*frame, *frameAspect));
    } else if (std::string fit =
                   SourceSizeFilter(Video_, IgnoresPixelAspect(Container_), R_.Aspect);
               !fit.empty()) {
      filters.push_back(fit);
    }
    if (Plan_.ExtraPictures > 0)
      filters.push_back("tpad=stop=" + std::to_string(Plan_.ExtraPictures) + ":stop_mode=clone");
    if (!filters.empty()) Add({"-vf", Joined(filters)});
    // A cover is marked so; the moving picture made of it is not one.
    if (Plan_.Cover) Add({"-disposition:v:0", "0"});
    if (Plan_.UntilSoundEnds) Add({"-shortest"});
    if (keepFields) Add({"-flags", "+ildct+ilme"});
    // A fixed frame is marked with its shape; otherwise the asked shape goes
    // to players that honour it, and was used up by the square pixels above.
    if (frameAspect)
      Add({"-aspect", FormatRatio(*frameAspect)});
    else if (R_.Aspect && !IgnoresPixelAspect(Container_))
      Add({"-aspect", FormatRatio(*R_.Aspect)});

    const bool sameQuality = R_.SameQuality && R_.Target.empty();
    TTuning tuning =
        TuneVideo(Container_, Video_, frame, sameQuality ? 0 : R_.VideoKbps, RateValue(rate));
    if (!tuning.Note.empty()) T_.Notes.push_back(tuning.Note);
    if (sameQuality && Video_ == "libx264")
      Add({"-crf", "18"});
    else if (sameQuality && TakesQuantiser(Video_.empty() ? "mpeg4" : Video_))
      Add({"-q:v", "2"});
    // A fixed quantiser or CRF keeps the quality; a bitrate would fight it.
    if (tuning.VideoKbps > 0) Add({"-b:v", std::to_string(tuning.VideoKbps) + "k"});
    for (const std::string& a : tuning.Args) Add({a});
  }

  void Audio() {
    if (R_.NoAudio) {
      Add({"-an"});
      return;
    }
    if (!Audio_.empty()) Add({"-c:a", Audio_});
    int channels = R_.Channels;
    const int maxChannels = MaxChannels(Audio_);
    if (channels == 0 && Plan_.SourceChannels > maxChannels) channels = maxChannels;
    if (channels > maxChannels || (channels == 0 && maxChannels == 1)) {
      if (channels > maxChannels)
        T_.Notes.push_back(std::to_string(channels) + " channels are not possible for " + Audio_ +
                           ", using " + std::to_string(maxChannels));
      channels = maxChannels;
    }
    if (channels > 0) Add({"-ac", std::to_string(channels)});

    int sampleRate = R_.SampleRate;
    // Without a rate FFmpeg keeps the source's, which it fits to the encoder
    // itself; AMR needs its one rate anyway.
    if (sampleRate > 0 || maxChannels == 1) {
      int snapped = SnapSampleRate(Audio_, Container_, sampleRate);
      if (snapped != sampleRate && sampleRate != 0)
        T_.Notes.push_back("sample rate " + std::to_string(sampleRate) + " is not possible for " +
                           Audio_ + ", using " + std::to_string(snapped));
      sampleRate = snapped;
    }
    if (sampleRate > 0) Add({"-ar", std::to_string(sampleRate)});

    std::vector<std::string> filters = DownmixFilters(Plan_.SourceChannels, channels);
    if (Plan_.Seek == TSeek::Decoded) filters.push_back("asetpts=PTS-" + StartText() + "/TB");
    if (!R_.NoVideo)
      for (std::string& f : AudioSyncFilters(Container_, Audio_, sampleRate))
        filters.push_back(std::move(f));
    if (Container_ == "swf" && sampleRate == 0)
      filters.push_back("aformat=sample_rates=44100|22050|11025");
    if (!filters.empty()) Add({"-af", Joined(filters)});

    // The old "-ab" counted kbit/s; today a bare number is bit/s.
    std::optional<double> kbps;
    if (R_.AudioKbps > 0)
      kbps = R_.AudioKbps;
    else if (Audio_ == "libopencore_amrnb")
      kbps = 12.2;
    else if (Audio_ == "libvo_amrwbenc")
      kbps = 23.85;
    if (kbps) {
      double snapped = SnapAudioBitrate(Audio_, *kbps, sampleRate);
      if (R_.AudioKbps > 0 && std::abs(snapped - *kbps) > 1e-6)
        T_.Notes.push_back("audio bitrate " + std::to_string(R_.AudioKbps) +
                           " kbit/s is not possible for " + Audio_ + ", using " +
                           FormatKbps(snapped) + "bit/s");
      Add({"-b:a", FormatKbps(snapped)});
    }
  }

  void Tail(const std::string& output) {
    if (!R_.Strict.empty()) Add({"-strict", R_.Strict});
    Add({FfmpegFileArg(output)});
  }

 private:
  std::string StartText() const {
    return SecondsText(static_cast<double>(R_.StartMs.value_or(0)) / 1000, 3);
  }

  // MPEG-2 at the source's size and rate can keep interlaced pictures as
  // they are, fields in their order; anything else is shown progressive.
  bool KeepsFields(const std::optional<TFrameSize>& frame, const std::optional<TRatio>& aspect,
                   const std::string& rate) const {
    const TSourceStream* v = Src_.Video();
    auto disc = DiscTarget(R_.Target);
    // The SVCD and DVD presets (the ones with a wide shape) are MPEG-2.
    const bool mpeg2 = Video_ == "mpeg2video" || (disc && disc->Wide);
    if (!Plan_.Deinterlace || v == nullptr || !mpeg2 || !v->Interlaced() || v->FrameRate <= 0)
      return false;
    const double r = RateValue(rate);
    if (r > 0 && std::abs(r - v->FrameRate) > 0.001 * v->FrameRate) return false;
    if (frame) return LetterboxKeepsPicture(*frame, *aspect, v->Width, v->Height, v->PixelAspect());
    return SourceSizeFilter(Video_, IgnoresPixelAspect(Container_), R_.Aspect).empty();
  }

  // The picture's timing: fields joined, a cover or a last picture held to
  // the file's end, the start of a window, the frame rate.
  std::vector<std::string> TimingFilters(const std::string& rate, bool keepFields) const {
    std::vector<std::string> f;
    // Only pictures marked interlaced are touched, each in its field order.
    if (Plan_.Deinterlace && !keepFields)
      f.push_back("bwdif=mode=send_frame:parity=auto:deint=interlaced");
    // Held for ever, and ended where the sound ends (or the file, for a
    // cover without sound); "-shortest" ends it also with a sound that stops
    // before the file's header says.
    if (Plan_.Cover) f.insert(f.end(), {"loop=loop=-1:size=1", "setpts=N/(" + rate + ")/TB"});
    if (Plan_.CarryPicture)
      f.insert(f.end(), {FrameRateFilter(rate), "tpad=stop=-1:stop_mode=clone"});
    if ((Plan_.Cover || Plan_.CarryPicture) && Plan_.HoldEnd > 0)
      f.push_back("trim=end=" + SecondsText(Plan_.HoldEnd, 6));
    if (Plan_.Seek == TSeek::Decoded) f.push_back("setpts=PTS-" + StartText() + "/TB");
    // From a window's start the frames run from its instant on, the first
    // being the picture shown then.
    const bool fromStart = Plan_.Seek == TSeek::Loose || Plan_.Seek == TSeek::Decoded;
    if (!rate.empty())
      f.push_back(FrameRateFilter(rate) + (fromStart ? ":start_time=0" : ""));
    else if (fromStart)
      f.push_back("trim=start=0");
    return f;
  }

  // The output frame rate as FFmpeg takes it; "" keeps the source's.
  std::string FrameRate() const {
    if (auto disc = DiscTarget(R_.Target)) return disc->Rate;
    std::string asked = R_.FrameRate;
    // RealVideo's picture cap depends on the rate; the RM editor's "keep"
    // writes 25 anyway.
    if (asked.empty() && Video_ == "rv10") asked = "25";
    if (asked.empty()) return "";
    std::string rate = SnapFrameRate(Video_, asked);
    auto a = ParseRate(asked), g = ParseRate(rate);
    if (a && g && std::abs(*a - *g) > 0.01)
      T_.Notes.push_back("frame rate " + asked + " is not possible for " + Video_ + ", using " +
                         rate);
    return rate;
  }

  static double RateValue(const std::string& rate) {
    return rate.empty() ? 0 : ParseRate(rate).value_or(0);
  }

  void Add(std::initializer_list<std::string> items) { T_.Args.insert(T_.Args.end(), items); }

  const TRequest& R_;
  TTranslation& T_;
  const TSourceInfo& Src_;
  const std::string Container_;
  std::string Video_, Audio_;
  TSourcePlan Plan_;
};

}  // namespace

std::string FfmpegFileArg(const std::string& path) {
  return "file:" + path;
}

std::string OutputContainer(const std::string& format, const std::string& outputPath) {
  if (!format.empty()) return Lower(format) == "aac" ? "adts" : Lower(format);
  static const std::map<std::string, std::string> kByExt = {
      {"avi", "avi"}, {"mp4", "mp4"},  {"m4v", "mp4"}, {"m4a", "mp4"},     {"3gp", "3gp"},
      {"3g2", "3g2"}, {"mov", "mov"},  {"wmv", "asf"}, {"wma", "asf"},     {"asf", "asf"},
      {"rm", "rm"},   {"ra", "rm"},    {"swf", "swf"}, {"mpg", "mpeg"},    {"mpeg", "mpeg"},
      {"vob", "vob"}, {"aac", "adts"}, {"ac3", "ac3"}, {"mp2", "mp2"},     {"mp3", "mp3"},
      {"amr", "amr"}, {"wav", "wav"},  {"flv", "flv"}, {"mkv", "matroska"}};
  auto it = kByExt.find(Extension(outputPath));
  return it == kByExt.end() ? "" : it->second;
}

TTranslation TranslateCommand(const TLegacyCommand& cmd, const std::string& mediaInput,
                              const TSourceInfo& source) {
  TTranslation t;
  const TRequest r = ReadRequest(cmd);
  TBuilder b(r, cmd, source, t);
  if (!b.PickEncoders()) return t;
  b.Head(mediaInput);
  b.Video();
  b.Audio();
  b.Tail(cmd.Output);
  return t;
}
