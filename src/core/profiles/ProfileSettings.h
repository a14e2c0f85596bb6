// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "profiles/ProfileFieldLists.h"

// ------------------------------------------------------------------ value lists
// Index fields of the records point into these lists. Values are kept as the
// exact decimal texts the encoder options are written with.
inline constexpr std::array<std::string_view, 13> StandardFrameRates = {
    "10", "12", "14.985", "15", "19.98", "23.976", "24", "25", "29.97", "30", "50", "59.94", "60"};
inline constexpr std::array<std::string_view, 9> VobFrameRates = {
    "19.98", "23.976", "24", "25", "29.97", "30", "50", "59.94", "60"};
inline constexpr std::array<std::string_view, 3> AspectChoices = {"Auto", "4:3", "16:9"};
inline constexpr std::array<std::string_view, 5> H263AspectChoices = {"Auto", "1:1", "4:3", "11:9",
                                                                      "16:9"};
inline constexpr std::array<std::string_view, 3> DvdAspectChoices = {"1:1", "4:3", "16:9"};
inline constexpr std::array<std::string_view, 2> ChannelChoices = {"1", "2"};
inline constexpr std::array<std::string_view, 3> Ac3ChannelChoices = {"1", "2", "5:1"};
inline constexpr std::array<std::string_view, 4> BasicSampleRates = {"22050", "24000", "44100",
                                                                     "48000"};
inline constexpr std::array<std::string_view, 8> ExtendedSampleRates = {
    "11025", "12000", "16000", "22050", "24000", "32000", "44100", "48000"};
inline constexpr std::array<std::string_view, 3> SwfSampleRates = {"11025", "22050", "44100"};
// Blocks with a single rate: AAC for the PSP device type, AMR narrow- and wide-band.
inline constexpr std::array<std::string_view, 1> PspSampleRates = {"48000"};
inline constexpr std::array<std::string_view, 1> AmrNbSampleRates = {"8000"};
inline constexpr std::array<std::string_view, 1> AmrWbSampleRates = {"16000"};

// The rate an "Auto" frame rate writes where the codec cannot follow the
// source's: RealVideo's picture budget is set per frame, MPEG-1 takes a few
// standard rates only, and the phones that play 3GP's H.263 take no more than
// 15 frames a second. Everywhere else "Auto" keeps the source's rate.
inline constexpr std::string_view kRealVideoAutoFrameRate = "25";
inline constexpr std::string_view kMpeg1AutoFrameRate = "25";
inline constexpr std::string_view kTgpH263AutoFrameRate = "12.5";

// ------------------------------------------------------------------ preset ladders
// Position p (1-based) of an editor's preset slider selects entry p - 1.
inline constexpr std::array<std::string_view, 13> VideoPresetLadder = {
    "64", "128", "256", "512", "768", "1080", "1152", "1200", "1500", "2496", "4600", "6000", "9600"};
inline constexpr std::array<std::string_view, 12> WindowsMediaPresetLadder = {
    "64", "128", "256", "512", "768", "1080", "1152", "1200", "1500", "2496", "4600", "6000"};
inline constexpr std::array<std::string_view, 11> FlashPresetLadder = {
    "64", "128", "256", "512", "768", "1080", "1152", "1200", "1500", "2496", "3600"};
inline constexpr std::array<std::string_view, 14> Ac3PresetLadder = {
    "32", "48", "56", "64", "96", "112", "128", "160", "192", "224", "256", "320", "384", "448"};
inline constexpr std::array<std::string_view, 13> Mp2PresetLadder = {
    "32", "48", "56", "64", "96", "112", "128", "160", "192", "224", "256", "320", "384"};
inline constexpr std::array<std::string_view, 12> Mp3PresetLadder = {
    "32", "48", "56", "64", "96", "112", "128", "160", "192", "224", "256", "320"};
inline constexpr std::array<std::string_view, 12> AacPresetLadder = {
    "24", "32", "48", "56", "64", "96", "112", "128", "160", "192", "224", "256"};
inline constexpr std::array<std::string_view, 6> AmrNbPresetLadder = {"8",  "9",  "10",
                                                                      "11", "12", "13"};
inline constexpr std::array<std::string_view, 7> AmrWbPresetLadder = {"7",  "9",  "13", "16",
                                                                      "18", "20", "24"};
inline constexpr std::array<std::string_view, 10> DvdAudioPresetLadder = {
    "64", "96", "112", "128", "128", "160", "192", "224", "256", "320"};

// ------------------------------------------------------------------ the records
#define KV_TYPE_TEXT std::string
#define KV_TYPE_FLAG bool
#define KV_TYPE_INDEX uint8_t
#define KV_TYPE_NUMBER int32_t
#define KV_DECLARE(KIND, ROLE, SUFFIX) KV_TYPE_##KIND ROLE##SUFFIX{};

// Plain records with public fields; every field is named like its profile key.
struct TAVISettings { KV_AVI_FIELDS(KV_DECLARE) };
struct TMP4Settings { KV_MP4_FIELDS(KV_DECLARE) };
struct TTGPSettings { KV_TGP_FIELDS(KV_DECLARE) };
struct TMPEGSettings { KV_MPEG_FIELDS(KV_DECLARE) };
struct TMovSettings { KV_MOV_FIELDS(KV_DECLARE) };
struct TWmvSettings { KV_WMV_FIELDS(KV_DECLARE) };
struct TRmSettings { KV_RM_FIELDS(KV_DECLARE) };
struct TSwfSettings { KV_SWF_FIELDS(KV_DECLARE) };
struct TAsfSettings { KV_ASF_FIELDS(KV_DECLARE) };
struct TVobSettings { KV_VOB_FIELDS(KV_DECLARE) };
struct TAacSettings { KV_AAC_FIELDS(KV_DECLARE) };
struct TAc3Settings { KV_AC3_FIELDS(KV_DECLARE) };
struct TMp2Settings { KV_MP2_FIELDS(KV_DECLARE) };
struct TMp3Settings { KV_MP3_FIELDS(KV_DECLARE) };
struct TAmrSettings { KV_AMR_FIELDS(KV_DECLARE) };
struct TWavSettings { KV_WAV_FIELDS(KV_DECLARE) };

#undef KV_DECLARE

// One global instance each, zeroed at program start.
#define KV_EXTERN_RECORD(X, STEM)                                            \
  extern T##X##Settings X##Settings;                                         \
  void Default##X##Settings();                                               \
  void Load##X##Settings(const std::string& fileName);                       \
  void Save##X##Settings(const std::string& fileName);
KV_ALL_RECORDS(KV_EXTERN_RECORD)
#undef KV_EXTERN_RECORD

// The same routines by OutputFormat (0..15), for callers that hold a target
// index rather than a type. An index above 15 does nothing.
void DefaultProfile(int outputFormat);
void LoadProfile(int outputFormat, const std::string& fileName);
// Load from an INI file already in memory (the same rules, no file read).
void LoadProfileFrom(int outputFormat, const class TIniFile& ini);
void SaveProfile(int outputFormat, const std::string& fileName);

// Profile keys of a target in the order a new file has them; empty above 15.
std::vector<std::string_view> ProfileKeys(int outputFormat);

// A field of a target's global record by its exact key, so code that serves
// every record from tables (one editor block for every codec block) reaches
// the field it shows. Empty (monostate) for an unknown key or a target above 15.
using TProfileFieldRef = std::variant<std::monostate, std::string*, bool*, uint8_t*, int32_t*>;
TProfileFieldRef ProfileField(int outputFormat, std::string_view key);

// Every record back to the zeroed state of program start.
void ResetAllProfileSettings();

// The section every profile key lives in.
inline constexpr std::string_view kProfileSection = "General";
