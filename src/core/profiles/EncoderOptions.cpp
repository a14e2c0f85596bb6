// SPDX-License-Identifier: GPL-3.0-or-later
// Profile record -> encoder options. Three choices the record format leaves
// open are settled here, all in favour of doing what the user set:
//  - the MOV H.263 block emits its aspect by the H.263 rule, and the MOV H.264
//    and RM blocks by the standard rule (their editors let the user set one);
//  - the MOV AAC group names its codec ("-acodec aac ") like every other AAC
//    group, instead of leaving the container's default to chance;
//  - the MPEG preset path begins with "-y " like every other path, so an
//    existing output never stops the encoder at a question nobody can answer;
//  - an "Auto" frame rate writes no rate, so the source's is kept, except
//    where the codec cannot follow any source: RealVideo and MPEG-1 get a
//    fixed 25 and the phones' H.263 of 3GP its 12.5 (the editors say so).
// Profiles are files users download and share, so no text of one reaches the
// encoder as it stands: the time window is written by us from the times its
// texts stand for (a text that is no time leaves the window out, as a
// disabled one), and every other piece comes from a number or a fixed list.
#include "profiles/EncoderOptions.h"

#include <span>
#include <string_view>

#include "app/GlobalVars.h"
#include "base/TimeText.h"
#include "profiles/ProfileSettings.h"

namespace {

using TList = std::span<const std::string_view>;

enum class TAspectRule { Standard, Tgp, Vob, H263, TgpH263 };

// One video codec block as the builder reads it.
struct TVideoBlock {
  bool UsePreset;
  int32_t Preset;
  int32_t Specify;
  bool UseSource;  // H.263 blocks have no such field: always false there
  int32_t Width;
  int32_t Height;
  bool KeepFrameRate;
  uint8_t FrameRate;
  uint8_t Aspect;
};

struct TAudioBlock {
  bool AutoSet;
  int32_t Preset;
  uint8_t SampleRate;
  uint8_t Channels;
};

#define KV_VB(s, C)                                                                           \
  TVideoBlock {                                                                               \
    s.VideoBitRateUsePresert##C, s.VideoBitRatePreset##C, s.VideoBitRateSpecify##C,            \
        s.VideoSizeUseSource##C, s.VideoWidth##C, s.VideoHeight##C, s.VideoKeepFrameRate##C,   \
        s.VideoFrameRate##C, s.VideoAspect##C                                                 \
  }
#define KV_VB_H263(s)                                                                         \
  TVideoBlock {                                                                               \
    s.VideoBitRateUsePresertH263, s.VideoBitRatePresetH263, s.VideoBitRateSpecifyH263, false, \
        s.VideoWidthH263, s.VideoHeightH263, s.VideoKeepFrameRateH263, s.VideoFrameRateH263,  \
        s.VideoAspectH263                                                                     \
  }
#define KV_AB(s, A) \
  TAudioBlock { s.AudioBitRateUseAutoSet##A, s.AudioBitRatePreset##A, s.AudioSampleRate##A, s.AudioChannels##A }
#define KV_AB_SHORT(s, A) \
  TAudioBlock { true, 0, s.AudioSampleRate##A, s.AudioChannels##A }

// A codec choice of a container: its codec option, how it reads its block,
// and the rules it follows.
template <class T>
struct TVideoChoice {
  std::string_view Codec;
  TVideoBlock (*Block)(const T&);
  TAspectRule Aspect = TAspectRule::Standard;
  std::string_view AutoRate = {};  // the rate of "Auto"; none keeps the source's
};

enum class TAudioGroup { AC3, Mp2, Mp3, AAC, AACPsp, AmrNb, AmrWb, Pcm16le, Pcmu8, Pcm16be, Alaw };

template <class T>
struct TAudioChoice {
  TAudioGroup Group;
  TAudioBlock (*Block)(const T&);
  TList Rates = BasicSampleRates;
};

class TOptions {
 public:
  void Add(std::string_view piece) { (Text_ += piece) += ' '; }
  void Add(std::string_view option, std::string_view value) {
    ((Text_ += option) += ' ') += value;
    Text_ += ' ';
  }
  void Add(std::string_view option, int64_t value) { Add(option, std::to_string(value)); }
  // Picks entry `index` of a list; an index past its end adds nothing.
  void AddFrom(std::string_view option, TList list, unsigned index) {
    if (index < list.size()) Add(option, list[index]);
  }
  void TimeClause(bool enabled, const std::string& duration, const std::string& start) {
    if (!enabled) return;
    int64_t d = ParseTimeText(duration), s = ParseTimeText(start);
    // A hand-edited time the editors would not take leaves the window out,
    // as a text that is no time does.
    if (d < 0 || s < 0 || d > kMaxTimeWindowMs || s > kMaxTimeWindowMs) return;
    Text_ += " -t " + FormatTimeText(d) + " -ss " + FormatTimeText(s) + " ";
  }
  std::string Take() { return std::move(Text_); }

  void Video(std::string_view codec, const TVideoBlock& b, TAspectRule rule, TList rates,
             std::string_view autoRate, bool bitrateFirst = false) {
    Add("-vcodec", codec);
    if (bitrateFirst) Bitrate(b);
    if (!b.UseSource) Add("-s", std::to_string(b.Width) + "x" + std::to_string(b.Height));
    if (!bitrateFirst) Bitrate(b);
    if (!b.KeepFrameRate)
      AddFrom("-r", rates, b.FrameRate);
    else if (!autoRate.empty())
      Add("-r", autoRate);
    Aspect(rule, b.Aspect);
  }

  void Audio(TAudioGroup group, const TAudioBlock& b, TList rates) {
    static constexpr std::string_view codecs[] = {"ac3",    "mp2",      "mp3",       "aac",
                                                  "aac",    "amr_nb",   "amr_wb",    "pcm_s16le",
                                                  "pcm_u8", "pcm_s16be", "pcm_alaw"};
    Add("-acodec", codecs[static_cast<size_t>(group)]);
    switch (group) {
      case TAudioGroup::AC3:
        // Six channels force 48 kHz whatever rate is stored.
        if (b.Channels == 2) {
          Add("-ac", "5:1");
          Add("-ar", "48000");
        } else if (b.Channels < 2) {
          AddFrom("-ac", ChannelChoices, b.Channels);
          AddFrom("-ar", rates, b.SampleRate);
        }
        AudioBitrate(b);
        break;
      case TAudioGroup::Mp2:
      case TAudioGroup::Mp3:
      case TAudioGroup::AAC:
        AddFrom("-ac", ChannelChoices, b.Channels);
        AudioBitrate(b);
        AddFrom("-ar", rates, b.SampleRate);
        break;
      case TAudioGroup::AACPsp:
        AddFrom("-ac", ChannelChoices, b.Channels);
        AudioBitrate(b);
        if (b.SampleRate == 0) Add("-ar", "48000");
        break;
      case TAudioGroup::AmrNb:
      case TAudioGroup::AmrWb:
        if (b.Channels == 0) Add("-ac", "1");
        if (b.SampleRate == 0) Add("-ar", group == TAudioGroup::AmrNb ? "8000" : "16000");
        AudioBitrate(b);
        break;
      case TAudioGroup::Pcm16le:
      case TAudioGroup::Pcmu8:
      case TAudioGroup::Pcm16be:
      case TAudioGroup::Alaw:
        AddFrom("-ac", ChannelChoices, b.Channels);
        AddFrom("-ar", rates, b.SampleRate);
        break;
    }
  }

 private:
  void Bitrate(const TVideoBlock& b) {
    Add("-b", std::to_string(b.UsePreset ? b.Preset : b.Specify) + "k");
  }
  void AudioBitrate(const TAudioBlock& b) {
    if (!b.AutoSet) Add("-ab", b.Preset);
  }
  void Aspect(TAspectRule rule, unsigned aspect) {
    static constexpr std::string_view standard[] = {"", "4:3", "16:9"};
    static constexpr std::string_view tgp[] = {"11:9", "4:3", "16:9"};
    static constexpr std::string_view vob[] = {"5:4", "4:3", "16:9"};
    static constexpr std::string_view h263[] = {"", "", "4:3", "", "16:9"};
    static constexpr std::string_view tgpH263[] = {"11:9", "", "4:3", "", "16:9"};
    TList table;
    switch (rule) {
      case TAspectRule::Standard: table = standard; break;
      case TAspectRule::Tgp: table = tgp; break;
      case TAspectRule::Vob: table = vob; break;
      case TAspectRule::H263: table = h263; break;
      case TAspectRule::TgpH263: table = tgpH263; break;
    }
    if (aspect < table.size() && !table[aspect].empty()) Add("-aspect", table[aspect]);
  }

  std::string Text_;
};

template <class T>
using TVideoChoices = std::span<const TVideoChoice<std::type_identity_t<T>>>;
template <class T>
using TAudioChoices = std::span<const TAudioChoice<std::type_identity_t<T>>>;

template <class T>
void AddVideo(TOptions& o, const T& s, TVideoChoices<T> choices, unsigned index,
              TList rates = StandardFrameRates, bool bitrateFirst = false) {
  if (index < choices.size()) {
    const TVideoChoice<T>& c = choices[index];
    o.Video(c.Codec, c.Block(s), c.Aspect, rates, c.AutoRate, bitrateFirst);
  }
}

template <class T>
void AddAudio(TOptions& o, const T& s, TAudioChoices<T> choices, unsigned index) {
  if (index < choices.size()) o.Audio(choices[index].Group, choices[index].Block(s), choices[index].Rates);
}

// Ends a video container: "-an " or the chosen audio group.
template <class T>
void AddAudioPart(TOptions& o, const T& s, TAudioChoices<T> choices, unsigned index) {
  if (s.AudioDisableAudio)
    o.Add("-an");
  else
    AddAudio(o, s, choices, index);
}

template <class T>
void Head(TOptions& o, std::string_view prefix, const T& s) {
  if (!prefix.empty()) o.Add(prefix);
  o.TimeClause(s.EnableTimeControl, s.Duration, s.StartTime);
  if constexpr (requires { s.VideoSameQuality; }) {
    if (s.VideoSameQuality) o.Add("-sameq");
  } else {
    o.Add("-vn");
  }
}

using A = TAudioGroup;
using R = TAspectRule;

std::string Avi(const TAVISettings& s) {
  using T = TAVISettings;
  static const TVideoChoice<T> video[] = {
      {"msmpeg4", [](const T& r) { return KV_VB(r, DivX); }},
      {"xvid", [](const T& r) { return KV_VB(r, XviD); }},
      {"msmpeg4", [](const T& r) { return KV_VB(r, MsMpeg4); }},
      {"msmpeg4v2", [](const T& r) { return KV_VB(r, MsMpeg4v2); }},
      {"h263", [](const T& r) { return KV_VB_H263(r); }, R::H263},
      {"h263p", [](const T& r) { return KV_VB(r, H263P); }},
      {"h264", [](const T& r) { return KV_VB(r, H264); }},
      {"ffvhuff", [](const T& r) { return KV_VB(r, huffYUV); }},
      {"mjpeg", [](const T& r) { return KV_VB(r, Mjpeg); }},
      {"svq1", [](const T& r) { return KV_VB(r, Svq1); }},
      {"flv", [](const T& r) { return KV_VB(r, Flv); }},
  };
  static const TAudioChoice<T> audio[] = {
      {A::Mp2, [](const T& r) { return KV_AB(r, Mp2); }},
      {A::Mp3, [](const T& r) { return KV_AB(r, Mp3); }},
      {A::Pcm16le, [](const T& r) { return KV_AB_SHORT(r, Pcm16le); }, ExtendedSampleRates},
      {A::Pcmu8, [](const T& r) { return KV_AB_SHORT(r, Pcmu8); }, ExtendedSampleRates},
      {A::AC3, [](const T& r) { return KV_AB(r, AC3); }},
  };
  TOptions o;
  Head(o, "-y -f avi", s);
  AddVideo(o, s, video, s.VideoCodec);
  AddAudioPart(o, s, audio, s.AudioCodec);
  return o.Take();
}

std::string Mp4(const TMP4Settings& s) {
  using T = TMP4Settings;
  static const TVideoChoice<T> video[] = {{"h264", [](const T& r) { return KV_VB(r, H264); }}};
  static const TAudioChoice<T> aac[] = {
      {A::AAC, [](const T& r) { return KV_AB(r, AACMp4); }, ExtendedSampleRates}};
  static const TAudioChoice<T> psp[] = {{A::AACPsp, [](const T& r) { return KV_AB(r, AACPsp); }}};
  static constexpr std::string_view formats[] = {"-f mp4", "-f psp", "-f mp4", "-f mp4"};
  TOptions o;
  o.Add("-y");
  if (s.Format < std::size(formats)) o.Add(formats[s.Format]);
  Head(o, "", s);
  AddVideo(o, s, video, s.VideoCodec);
  AddAudioPart(o, s, s.Format == 1 ? TAudioChoices<T>(psp) : TAudioChoices<T>(aac), s.AudioCodec);
  return o.Take();
}

std::string Tgp(const TTGPSettings& s) {
  using T = TTGPSettings;
  static const TVideoChoice<T> nokia[] = {
      {"h263", [](const T& r) { return KV_VB_H263(r); }, R::TgpH263, kTgpH263AutoFrameRate},
      {"msmpeg4", [](const T& r) { return KV_VB(r, DivX); }, R::Tgp},
  };
  static const TVideoChoice<T> sony[] = {
      {"msmpeg4", [](const T& r) { return KV_VB(r, DivX); }, R::Tgp},
      {"xvid", [](const T& r) { return KV_VB(r, XviD); }, R::Tgp},
  };
  static const TAudioChoice<T> nokiaAudio[] = {
      {A::AmrNb, [](const T& r) { return KV_AB(r, Armnb); }},
      {A::AmrWb, [](const T& r) { return KV_AB(r, Armwb); }},
      {A::AAC, [](const T& r) { return KV_AB(r, AACMp4); }, ExtendedSampleRates},
  };
  static const TAudioChoice<T> sonyAudio[] = {
      {A::AAC, [](const T& r) { return KV_AB(r, AACMp4); }, ExtendedSampleRates}};
  TOptions o;
  Head(o, "-y -f 3gp", s);
  if (s.TgpFormat == 0) {
    AddVideo(o, s, nokia, s.VideoCodecNokia);
    AddAudioPart(o, s, nokiaAudio, s.AudioCodecNokia);
  } else {
    AddVideo(o, s, sony, s.VideoCodecSony);
    AddAudioPart(o, s, sonyAudio, s.AudioCodecSony);
  }
  return o.Take();
}

std::string Mpeg(const TMPEGSettings& s) {
  using T = TMPEGSettings;
  static const TVideoChoice<T> video[] = {
      {"mpeg1video", [](const T& r) { return KV_VB(r, Mpeg1); }, R::Standard,
       kMpeg1AutoFrameRate},
      {"mpeg2video", [](const T& r) { return KV_VB(r, Mpeg2); }},
  };
  static const TAudioChoice<T> mpeg1Audio[] = {
      {A::Mp2, [](const T& r) { return KV_AB(r, Mp2); }},
      {A::Mp3, [](const T& r) { return KV_AB(r, Mp3); }},
  };
  static const TAudioChoice<T> mpeg2Audio[] = {
      {A::AC3, [](const T& r) { return KV_AB(r, AC3); }},
      {A::Mp2, [](const T& r) { return KV_AB(r, Mp2); }},
      {A::Mp3, [](const T& r) { return KV_AB(r, Mp3); }},
  };
  TOptions o;
  o.TimeClause(s.EnableTimeControl, s.Duration, s.StartTime);
  o.Add("-y");
  if (!s.UsePresetFormats) {
    if (s.VideoSameQuality) o.Add("-sameq");
    AddVideo(o, s, video, s.VideoCodec);
    AddAudioPart(o, s, s.VideoCodec == 1 ? TAudioChoices<T>(mpeg2Audio) : TAudioChoices<T>(mpeg1Audio),
                 s.VideoCodec == 1 ? s.AudioCodecMpeg2 : s.AudioCodecMpeg1);
    return o.Take();
  }
  // "Auto" gives the film targets.
  static constexpr std::string_view standards[] = {"film", "ntsc", "pal"};
  static constexpr std::string_view discs[] = {"vcd", "svcd", "dvd"};
  if (s.PresetType >= std::size(discs)) return o.Take();
  if (s.TargetFormat < std::size(standards))
    o.Add("-target", std::string(standards[s.TargetFormat]) + "-" + std::string(discs[s.PresetType]));
  if (s.PresetType == 2) {
    o.Add("-b", std::to_string(s.DVDVideoBitRateUsePresert ? s.DVDVideoBitRatePreset
                                                           : s.DVDVideoBitRateSpecify) + "k");
    if (!s.DVDVideoKeepAspect) o.AddFrom("-aspect", DvdAspectChoices, s.DVDVideoAspect);
    if (!s.DVDAudioBitRateUseAutoSet) o.Add("-ab", s.DVDAudioBitRatePreset);
  }
  return o.Take();
}

std::string Mov(const TMovSettings& s) {
  using T = TMovSettings;
  static const TVideoChoice<T> video[] = {
      {"svq1", [](const T& r) { return KV_VB(r, Svq1); }},
      {"msmpeg4", [](const T& r) { return KV_VB(r, DivX); }},
      {"xvid", [](const T& r) { return KV_VB(r, XviD); }},
      {"h263", [](const T& r) { return KV_VB_H263(r); }, R::H263},
      {"h264", [](const T& r) { return KV_VB(r, H264); }},
  };
  static const TAudioChoice<T> audio[] = {
      {A::AAC, [](const T& r) { return KV_AB(r, AACMp4); }, ExtendedSampleRates},
      {A::Alaw, [](const T& r) { return KV_AB_SHORT(r, Alaw); }, ExtendedSampleRates},
      {A::AmrNb, [](const T& r) { return KV_AB(r, Armnb); }},
      {A::Pcm16le, [](const T& r) { return KV_AB_SHORT(r, Pcm16le); }, ExtendedSampleRates},
      {A::Pcm16be, [](const T& r) { return KV_AB_SHORT(r, Pcm16be); }, ExtendedSampleRates},
  };
  TOptions o;
  Head(o, "-y -f mov", s);
  AddVideo(o, s, video, s.VideoCodec);
  AddAudioPart(o, s, audio, s.AudioCodec);
  return o.Take();
}

template <class T>
TAudioChoices<T> Mp3Only() {
  static const TAudioChoice<T> audio[] = {{A::Mp3, [](const T& r) { return KV_AB(r, Mp3); }}};
  return audio;
}

std::string Wmv(const TWmvSettings& s) {
  using T = TWmvSettings;
  static const TVideoChoice<T> video[] = {
      {"msmpeg4", [](const T& r) { return KV_VB(r, MsMpeg4); }},
      {"msmpeg4v2", [](const T& r) { return KV_VB(r, MsMpeg4v2); }},
      {"wmv1", [](const T& r) { return KV_VB(r, Wmv7); }},
      {"wmv2", [](const T& r) { return KV_VB(r, Wmv8); }},
  };
  TOptions o;
  Head(o, "-y", s);
  AddVideo(o, s, video, s.VideoCodec);
  AddAudioPart(o, s, Mp3Only<T>(), s.AudioCodec);
  return o.Take();
}

std::string Rm(const TRmSettings& s) {
  using T = TRmSettings;
  static const TVideoChoice<T> video[] = {
      {"rv10", [](const T& r) { return KV_VB(r, Rm10); }, R::Standard, kRealVideoAutoFrameRate}};
  static const TAudioChoice<T> audio[] = {{A::AC3, [](const T& r) { return KV_AB(r, AC3); }}};
  TOptions o;
  Head(o, "-y -f rm", s);
  AddVideo(o, s, video, s.VideoCodec, StandardFrameRates, /*bitrateFirst=*/true);
  AddAudioPart(o, s, audio, s.AudioCodec);
  return o.Take();
}

std::string Swf(const TSwfSettings& s) {
  using T = TSwfSettings;
  static const TVideoChoice<T> video[] = {{"flv", [](const T& r) { return KV_VB(r, Flv); }}};
  static const TAudioChoice<T> audio[] = {
      {A::Mp3, [](const T& r) { return KV_AB(r, Mp3); }, SwfSampleRates}};
  TOptions o;
  Head(o, "-y", s);
  AddVideo(o, s, video, s.VideoCodec);
  AddAudioPart(o, s, audio, s.AudioCodec);
  return o.Take();
}

std::string Vob(const TVobSettings& s) {
  using T = TVobSettings;
  static const TVideoChoice<T> video[] = {
      {"mpeg2video", [](const T& r) { return KV_VB(r, Mpeg2); }, R::Vob}};
  static const TAudioChoice<T> audio[] = {
      {A::Mp2, [](const T& r) { return KV_AB(r, Mp2); }},
      {A::AC3, [](const T& r) { return KV_AB(r, AC3); }},
  };
  TOptions o;
  Head(o, "-y -f vob", s);
  AddVideo(o, s, video, s.VideoCodec, VobFrameRates);
  AddAudioPart(o, s, audio, s.AudioCodec);
  return o.Take();
}

std::string Asf(const TAsfSettings& s) {
  using T = TAsfSettings;
  static const TVideoChoice<T> video[] = {
      {"msmpeg4", [](const T& r) { return KV_VB(r, MsMpeg4); }},
      {"msmpeg4v2", [](const T& r) { return KV_VB(r, MsMpeg4v2); }},
  };
  TOptions o;
  Head(o, "-y -f asf", s);
  AddVideo(o, s, video, s.VideoCodec);
  AddAudioPart(o, s, Mp3Only<T>(), s.AudioCodec);
  return o.Take();
}

// Audio-only targets: prefix, time clause, "-vn ", one audio group.
template <class T>
std::string AudioOnly(std::string_view prefix, const T& s, TAudioChoices<T> choices) {
  TOptions o;
  Head(o, prefix, s);
  AddAudio(o, s, choices, s.AudioCodec);
  return o.Take();
}

std::string Aac(const TAacSettings& s) {
  using T = TAacSettings;
  static const TAudioChoice<T> audio[] = {
      {A::AAC, [](const T& r) { return KV_AB(r, AACMp4); }, ExtendedSampleRates}};
  return AudioOnly("-y -f aac", s, audio);
}

std::string Ac3(const TAc3Settings& s) {
  using T = TAc3Settings;
  static const TAudioChoice<T> audio[] = {{A::AC3, [](const T& r) { return KV_AB(r, AC3); }}};
  return AudioOnly("-y -f ac3", s, audio);
}

std::string Mp2(const TMp2Settings& s) {
  using T = TMp2Settings;
  static const TAudioChoice<T> audio[] = {{A::Mp2, [](const T& r) { return KV_AB(r, Mp2); }}};
  return AudioOnly("-y -f mp2", s, audio);
}

std::string Mp3(const TMp3Settings& s) { return AudioOnly("-y -f mp3", s, Mp3Only<TMp3Settings>()); }

std::string Amr(const TAmrSettings& s) {
  using T = TAmrSettings;
  static const TAudioChoice<T> audio[] = {
      {A::AmrNb, [](const T& r) { return KV_AB(r, Armnb); }},
      {A::AmrWb, [](const T& r) { return KV_AB(r, Armwb); }},
  };
  return AudioOnly("-y -f amr", s, audio);
}

std::string Wav(const TWavSettings& s) {
  using T = TWavSettings;
  static const TAudioChoice<T> audio[] = {
      {A::Pcm16le, [](const T& r) { return KV_AB_SHORT(r, Pcm16le); }, ExtendedSampleRates},
      {A::Pcmu8, [](const T& r) { return KV_AB_SHORT(r, Pcmu8); }, ExtendedSampleRates},
  };
  return AudioOnly("-y -f wav", s, audio);
}

}  // namespace

std::string BuildEncoderOptions(const std::string& profileFileName) {
  int format = GlobalVars.OutputFormat;
  if (format >= kOutputFormatCount) return {};
  LoadProfile(format, profileFileName);
  return OptionsOfRecord(format);
}

std::string OptionsOfRecord(int format) {
  switch (format) {
    case ofAVI: return Avi(AVISettings);
    case ofMP4: return Mp4(MP4Settings);
    case of3GP: return Tgp(TGPSettings);
    case ofMPEG: return Mpeg(MPEGSettings);
    case ofMOV: return Mov(MovSettings);
    case ofWMV: return Wmv(WmvSettings);
    case ofRM: return Rm(RmSettings);
    case ofSWF: return Swf(SwfSettings);
    case ofVOB: return Vob(VobSettings);
    case ofASF: return Asf(AsfSettings);
    case ofAAC: return Aac(AacSettings);
    case ofAC3: return Ac3(Ac3Settings);
    case ofMP2: return Mp2(Mp2Settings);
    case ofMP3: return Mp3(Mp3Settings);
    case ofAMR: return Amr(AmrSettings);
    case ofWAV: return Wav(WavSettings);
    default: return {};
  }
}
