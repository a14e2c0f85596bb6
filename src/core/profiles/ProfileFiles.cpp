// SPDX-License-Identifier: GPL-3.0-or-later
// One Default/Load/Save engine for all sixteen records, driven by the field
// lists of ProfileFieldLists.h and the default tables below.
#include <stdexcept>
#include <unordered_map>
#include <variant>

#include "base/IniFile.h"
#include "app/GlobalVars.h"
#include "lang/ResStr.h"
#include "profiles/ProfileSettings.h"

#define KV_DEFINE_RECORD(X, STEM) T##X##Settings X##Settings;
KV_ALL_RECORDS(KV_DEFINE_RECORD)
#undef KV_DEFINE_RECORD

namespace {

template <class T>
using TMember = std::variant<std::string T::*, bool T::*, uint8_t T::*, int32_t T::*>;

template <class T>
struct TFieldDesc {
  std::string_view Key;
  std::string_view Role;  // the key without its codec suffix
  TMember<T> Member;
};

// Default values by key; texts and unlisted fields are handled by role.
using TDefaults = std::unordered_map<std::string, int32_t>;

struct TDefaultBuilder {
  TDefaults Values;

  TDefaultBuilder& Set(std::initializer_list<std::pair<std::string_view, int32_t>> pairs) {
    for (auto& [k, v] : pairs) Values[std::string(k)] = v;
    return *this;
  }
  // Every video block keeps the preset bitrate and the Auto frame rate.
  TDefaultBuilder& Video(std::initializer_list<std::string_view> suffixes, int32_t bitrate,
                         bool useSource, int32_t width, int32_t height, int32_t frameRate) {
    for (std::string_view c : suffixes) {
      std::string s(c);
      Values["VideoBitRateUsePresert" + s] = 1;
      Values["VideoBitRatePreset" + s] = bitrate;
      Values["VideoBitRateSpecify" + s] = bitrate;
      if (c != "H263") Values["VideoSizeUseSource" + s] = useSource ? 1 : 0;
      Values["VideoWidth" + s] = width;
      Values["VideoHeight" + s] = height;
      Values["VideoKeepFrameRate" + s] = 1;
      Values["VideoFrameRate" + s] = frameRate;
      Values["VideoAspect" + s] = 0;
    }
    return *this;
  }
  TDefaultBuilder& Audio(std::initializer_list<std::string_view> suffixes, bool autoSet,
                         int32_t bitrate, int32_t sampleRate, int32_t channels) {
    for (std::string_view a : suffixes) {
      std::string s(a);
      Values["AudioBitRateUseAutoSet" + s] = autoSet ? 1 : 0;
      Values["AudioBitRatePreset" + s] = bitrate;
      Values["AudioSampleRate" + s] = sampleRate;
      Values["AudioChannels" + s] = channels;
    }
    return *this;
  }
  TDefaultBuilder& ShortAudio(std::initializer_list<std::string_view> suffixes,
                              int32_t sampleRate, int32_t channels) {
    for (std::string_view a : suffixes) {
      Values["AudioSampleRate" + std::string(a)] = sampleRate;
      Values["AudioChannels" + std::string(a)] = channels;
    }
    return *this;
  }
};

template <class T>
struct TRecordInfo {
  std::vector<TFieldDesc<T>> Fields;  // in the written order of a new file
  TDefaults Defaults;
};

#define KV_DESCRIBE(KIND, ROLE, SUFFIX) \
  TFieldDesc<R>{#ROLE #SUFFIX, #ROLE, TMember<R>{&R::ROLE##SUFFIX}},
#define KV_COUNT(KIND, ROLE, SUFFIX) +1

// Checks what the compiler cannot: the written order holds each field once,
// and the default table names only fields that exist.
template <class T>
void CheckRecordInfo(const TRecordInfo<T>& info, size_t declared) {
  std::unordered_map<std::string_view, int> seen;
  for (const auto& f : info.Fields)
    if (++seen[f.Key] > 1) throw std::logic_error("profile key written twice: " + std::string(f.Key));
  if (info.Fields.size() != declared) throw std::logic_error("profile key order incomplete");
  for (const auto& [key, value] : info.Defaults)
    if (seen.find(key) == seen.end()) throw std::logic_error("default for unknown key: " + key);
}

#define KV_RECORD_INFO(X, STEM, DEFAULTS)                                            \
  const TRecordInfo<T##X##Settings>& Info(const T##X##Settings*) {                   \
    using R = T##X##Settings;                                                        \
    static const TRecordInfo<R> info = [] {                                          \
      TRecordInfo<R> i{{KV_##STEM##_WRITTEN(KV_DESCRIBE)}, TDefaultBuilder{} DEFAULTS.Values}; \
      CheckRecordInfo(i, 0 KV_##STEM##_FIELDS(KV_COUNT));                            \
      return i;                                                                      \
    }();                                                                             \
    return info;                                                                     \
  }

// The defaults of a new profile, record by record.
KV_RECORD_INFO(AVI, AVI,
               .Set({{"VideoCodec", 0}, {"AudioCodec", 1}})
                   .Video({"DivX", "XviD", "MsMpeg4", "MsMpeg4v2", "H263P", "H264", "DV", "huffYUV",
                           "Mjpeg", "Mpeg1", "Mpeg2", "Svq1", "Flv"},
                          1080, true, 640, 480, 7)
                   .Video({"H263"}, 1080, false, 352, 288, 7)
                   .Audio({"AC3", "Mp2", "Mp3"}, false, 96, 0, 1)
                   .ShortAudio({"Pcm16le", "Pcmu8"}, 3, 1))
KV_RECORD_INFO(MP4, MP4,
               .Set({{"Format", 3}, {"VideoCodec", 0}, {"AudioCodec", 0}})
                   .Video({"DivX", "XviD", "H264"}, 1200, false, 320, 240, 7)
                   .Audio({"AACMp4"}, false, 64, 3, 1)
                   .Audio({"AACPsp"}, false, 64, 0, 1))
KV_RECORD_INFO(TGP, TGP,
               .Set({{"TgpFormat", 0}, {"VideoCodecNokia", 0}, {"VideoCodecSony", 0},
                     {"AudioCodecNokia", 0}, {"AudioCodecSony", 0}})
                   .Video({"DivX"}, 144, false, 176, 144, 7)
                   .Video({"XviD"}, 96, false, 176, 144, 7)
                   .Video({"H263"}, 144, false, 176, 144, 1)
                   .Audio({"AACMp4"}, false, 56, 3, 1)
                   .Audio({"Armnb", "Armwb"}, false, 13, 0, 0))
KV_RECORD_INFO(MPEG, MPEG,
               .Set({{"UsePresetFormats", 0}, {"TargetFormat", 0}, {"PresetType", 0},
                     {"VideoCodec", 1}, {"AudioCodecMpeg1", 0}, {"AudioCodecMpeg2", 0},
                     {"DVDVideoBitRateUsePresert", 1}, {"DVDVideoBitRatePreset", 6000},
                     {"DVDVideoBitRateSpecify", 6000}, {"DVDVideoKeepAspect", 1},
                     {"DVDVideoAspect", 1}, {"DVDAudioBitRateUseAutoSet", 0},
                     {"DVDAudioBitRatePreset", 384}})
                   .Video({"Mpeg1"}, 1152, true, 640, 480, 7)
                   .Video({"Mpeg2"}, 2496, true, 640, 480, 8)
                   .Audio({"AC3"}, false, 256, 3, 1)
                   .Audio({"Mp2", "Mp3"}, false, 160, 2, 1))
KV_RECORD_INFO(Mov, MOV,
               .Set({{"VideoCodec", 4}, {"AudioCodec", 0}})
                   .Video({"DivX", "XviD", "H264", "Svq1"}, 1200, true, 640, 480, 7)
                   .Video({"H263"}, 1200, false, 352, 288, 7)
                   .Audio({"AACMp4"}, false, 64, 3, 1)
                   .ShortAudio({"Alaw", "Pcm16le", "Pcm16be"}, 3, 1)
                   .Audio({"Armnb"}, false, 8, 0, 0))
KV_RECORD_INFO(Wmv, WMV,
               .Set({{"VideoCodec", 3}, {"AudioCodec", 0}})
                   .Video({"MsMpeg4", "MsMpeg4v2", "Wmv7", "Wmv8"}, 768, true, 640, 480, 7)
                   .Audio({"Mp3"}, true, 64, 0, 1))
KV_RECORD_INFO(Rm, RM,
               .Set({{"VideoCodec", 0}, {"AudioCodec", 0}})
                   .Video({"Rm10"}, 768, true, 320, 240, 7)
                   .Audio({"AC3"}, false, 256, 3, 1))
KV_RECORD_INFO(Swf, SWF,
               .Set({{"VideoCodec", 0}, {"AudioCodec", 0}})
                   .Video({"Flv"}, 768, true, 640, 480, 7)
                   .Audio({"Mp3"}, true, 64, 1, 1))
KV_RECORD_INFO(Asf, ASF,
               .Set({{"VideoCodec", 0}, {"AudioCodec", 0}})
                   .Video({"MsMpeg4", "MsMpeg4v2"}, 768, true, 640, 480, 7)
                   .Audio({"Mp3"}, false, 64, 0, 1))
KV_RECORD_INFO(Vob, VOB,
               .Set({{"VideoCodec", 0}, {"AudioCodec", 1}})
                   .Video({"Mpeg2"}, 6000, false, 720, 576, 3)
                   .Audio({"AC3"}, false, 384, 3, 1)
                   .Audio({"Mp2"}, false, 320, 3, 1))
KV_RECORD_INFO(Aac, AAC, .Set({{"AudioCodec", 0}}).Audio({"AACMp4"}, false, 128, 6, 1))
KV_RECORD_INFO(Ac3, AC3, .Set({{"AudioCodec", 0}}).Audio({"AC3"}, false, 384, 3, 1))
KV_RECORD_INFO(Mp2, MP2, .Set({{"AudioCodec", 0}}).Audio({"Mp2"}, false, 160, 2, 1))
KV_RECORD_INFO(Mp3, MP3, .Set({{"AudioCodec", 0}}).Audio({"Mp3"}, false, 128, 2, 1))
KV_RECORD_INFO(Amr, AMR,
               .Set({{"AudioCodec", 0}}).Audio({"Armnb", "Armwb"}, false, 13, 0, 0))
KV_RECORD_INFO(Wav, WAV, .Set({{"AudioCodec", 0}}).ShortAudio({"Pcm16le", "Pcmu8"}, 6, 1))

#undef KV_RECORD_INFO
#undef KV_DESCRIBE
#undef KV_COUNT

template <class T>
void DefaultRecord(T& record) {
  const TRecordInfo<T>& info = Info(static_cast<const T*>(nullptr));
  record = T{};
  for (const TFieldDesc<T>& f : info.Fields) {
    auto it = info.Defaults.find(std::string(f.Key));
    int32_t value = it == info.Defaults.end() ? 0 : it->second;
    std::visit(
        [&](auto member) {
          using V = std::remove_cvref_t<decltype(record.*member)>;
          if constexpr (std::is_same_v<V, std::string>) {
            if (f.Role == "Description")
              record.*member = ResStr(MSG_NO_DESCRIPTION);
            else  // Duration and StartTime
              record.*member = "0:00:00.000";
          } else if constexpr (std::is_same_v<V, bool>) {
            record.*member = value != 0;
          } else {
            record.*member = static_cast<V>(value);
          }
        },
        f.Member);
  }
}

// A missing key, or a non-number where a number belongs, leaves the field as
// it was: a record carries over whatever was last loaded, edited or defaulted.
template <class T>
void LoadRecordFrom(T& record, const TIniFile& ini) {
  const TRecordInfo<T>& info = Info(static_cast<const T*>(nullptr));
  for (const TFieldDesc<T>& f : info.Fields) {
    std::visit(
        [&](auto member) {
          using V = std::remove_cvref_t<decltype(record.*member)>;
          V& field = record.*member;
          if constexpr (std::is_same_v<V, std::string>) {
            field = ini.ReadString(kProfileSection, f.Key, field);
          } else if constexpr (std::is_same_v<V, bool>) {
            field = ini.ReadInteger(kProfileSection, f.Key, field ? 1 : 0) != 0;
          } else {
            // Index fields keep the low 8 bits of what was stored.
            field = static_cast<V>(ini.ReadInteger(kProfileSection, f.Key, field));
          }
        },
        f.Member);
  }
}

template <class T>
void LoadRecord(T& record, const std::string& fileName) {
  LoadRecordFrom(record, TIniFile(fileName));
}

template <class T>
void SaveRecord(const T& record, const std::string& fileName) {
  const TRecordInfo<T>& info = Info(static_cast<const T*>(nullptr));
  TIniFile ini(fileName);
  for (const TFieldDesc<T>& f : info.Fields) {
    std::visit(
        [&](auto member) {
          using V = std::remove_cvref_t<decltype(record.*member)>;
          const V& field = record.*member;
          if constexpr (std::is_same_v<V, std::string>)
            ini.WriteString(kProfileSection, f.Key, field);
          else if constexpr (std::is_same_v<V, bool>)
            ini.WriteBool(kProfileSection, f.Key, field);
          else
            ini.WriteInteger(kProfileSection, f.Key, field);
        },
        f.Member);
  }
  ini.UpdateFile();
}

template <class T>
TProfileFieldRef FieldOf(T& record, std::string_view key) {
  for (const TFieldDesc<T>& f : Info(static_cast<const T*>(nullptr)).Fields) {
    if (f.Key != key) continue;
    if (auto* m = std::get_if<std::string T::*>(&f.Member)) return &(record.**m);
    if (auto* m = std::get_if<bool T::*>(&f.Member)) return &(record.**m);
    if (auto* m = std::get_if<uint8_t T::*>(&f.Member)) return &(record.**m);
    if (auto* m = std::get_if<int32_t T::*>(&f.Member)) return &(record.**m);
  }
  return {};
}

template <class T>
std::vector<std::string_view> KeysOf() {
  std::vector<std::string_view> keys;
  for (const auto& f : Info(static_cast<const T*>(nullptr)).Fields) keys.push_back(f.Key);
  return keys;
}

struct TFormatRoutines {
  void (*Default)();
  void (*Load)(const std::string&);
  void (*LoadFrom)(const TIniFile&);
  void (*Save)(const std::string&);
  std::vector<std::string_view> (*Keys)();
  TProfileFieldRef (*Field)(std::string_view);
};

#define KV_ROUTINES(X)                                                                   \
  TFormatRoutines{Default##X##Settings, Load##X##Settings,                               \
                  [](const TIniFile& ini) { LoadRecordFrom(X##Settings, ini); },          \
                  Save##X##Settings, KeysOf<T##X##Settings>,                             \
                  [](std::string_view key) { return FieldOf(X##Settings, key); }}

// In OutputFormat order (VOB before ASF).
const std::array<TFormatRoutines, kOutputFormatCount> FormatRoutines = {
    KV_ROUTINES(AVI), KV_ROUTINES(MP4), KV_ROUTINES(TGP), KV_ROUTINES(MPEG),
    KV_ROUTINES(Mov), KV_ROUTINES(Wmv), KV_ROUTINES(Rm),  KV_ROUTINES(Swf),
    KV_ROUTINES(Vob), KV_ROUTINES(Asf), KV_ROUTINES(Aac), KV_ROUTINES(Ac3),
    KV_ROUTINES(Mp2), KV_ROUTINES(Mp3), KV_ROUTINES(Amr), KV_ROUTINES(Wav)};
#undef KV_ROUTINES

const TFormatRoutines* RoutinesOf(int outputFormat) {
  if (outputFormat < 0 || outputFormat >= kOutputFormatCount) return nullptr;
  return &FormatRoutines[static_cast<size_t>(outputFormat)];
}

}  // namespace

#define KV_DEFINE_ROUTINES(X, STEM)                                                          \
  void Default##X##Settings() { DefaultRecord(X##Settings); }                                \
  void Load##X##Settings(const std::string& fileName) { LoadRecord(X##Settings, fileName); } \
  void Save##X##Settings(const std::string& fileName) { SaveRecord(X##Settings, fileName); }
KV_ALL_RECORDS(KV_DEFINE_ROUTINES)
#undef KV_DEFINE_ROUTINES

void DefaultProfile(int outputFormat) {
  if (const TFormatRoutines* r = RoutinesOf(outputFormat)) r->Default();
}

void LoadProfile(int outputFormat, const std::string& fileName) {
  if (const TFormatRoutines* r = RoutinesOf(outputFormat)) r->Load(fileName);
}

void LoadProfileFrom(int outputFormat, const TIniFile& ini) {
  if (const TFormatRoutines* r = RoutinesOf(outputFormat)) r->LoadFrom(ini);
}

void SaveProfile(int outputFormat, const std::string& fileName) {
  if (const TFormatRoutines* r = RoutinesOf(outputFormat)) r->Save(fileName);
}

std::vector<std::string_view> ProfileKeys(int outputFormat) {
  const TFormatRoutines* r = RoutinesOf(outputFormat);
  return r == nullptr ? std::vector<std::string_view>{} : r->Keys();
}

TProfileFieldRef ProfileField(int outputFormat, std::string_view key) {
  const TFormatRoutines* r = RoutinesOf(outputFormat);
  return r == nullptr ? TProfileFieldRef{} : r->Field(key);
}

void ResetAllProfileSettings() {
#define KV_RESET(X, STEM) X##Settings = T##X##Settings{};
  KV_ALL_RECORDS(KV_RESET)
#undef KV_RESET
}
