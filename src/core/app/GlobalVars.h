// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Target formats, in the order of OutputFormat and of the settings records.
enum TOutputFormat : uint8_t {
  ofAVI = 0, ofMP4, of3GP, ofMPEG, ofMOV, ofWMV, ofRM, ofSWF, ofVOB, ofASF,
  ofAAC, ofAC3, ofMP2, ofMP3, ofAMR, ofWAV
};
constexpr int kOutputFormatCount = 16;

// Names of the targets by OutputFormat, as users type them (kinovert-cli --target).
constexpr std::array<std::string_view, kOutputFormatCount> OutputFormatNames = {
    "AVI", "MP4", "3GP", "MPEG", "MOV", "WMV", "RM",  "SWF",
    "VOB", "ASF", "AAC", "AC3", "MP2",  "MP3", "AMR", "WAV"};

// Profile folder names in the order of TGlobalVars::ProfileDirs, which is not
// the OutputFormat order (aac and vob, and asf, sit elsewhere).
constexpr std::array<std::string_view, kOutputFormatCount> ProfileDirNames = {
    "avi", "mp4", "3gp", "mpg", "mov", "wmv", "rm",  "swf",
    "aac", "vob", "ac3", "mp2", "mp3", "amr", "wav", "asf"};

// Index into ProfileDirs/ProfileDirNames of a target format; -1 above 15.
int ProfileDirIndex(int outputFormat);

// Profile folder name of a target ("avi", "mpg", …); "" above 15.
std::string_view FormatFolderName(int outputFormat);

// Extension of a target's profile files: the first two letters of its folder
// and "o" ("avo", "mpo", "3go", …); "" above 15.
std::string ProfileExtension(int outputFormat);

// Target format of a name such as "mp4" or "Mp3" (any letter case); -1 if unknown.
int OutputFormatFromName(std::string_view name);

// Application settings, batch state and per-file state in one record; touched
// by the main thread only. Dates are days as a double (the fraction is the
// time of day), as the stored values expect.
struct TGlobalVars {
  uint8_t OutputFormat = 0;
  std::string LanguageFile;
  std::string LastInputOpenDir;
  std::string LastOutputOpenDir;
  uint8_t Priority = 0;
  uint8_t ShutdownFlag = 0;
  bool ShutdownWindowsWhenDone = false;
  bool DeleteFileAfterProcessing = false;
  std::vector<std::string> InputFileTypes;
  std::vector<std::string> AVSExt;
  bool UseDirectShow = false;
  std::string EncoderPath;
  bool FileFailed = false;
  double FileStartTime = 0;
  int32_t FilePercent = 0;
  std::string PendingOutput;
  std::string CurrentInputFile;
  std::string CurrentOutputFile;
  bool BatchHadErrors = false;
  bool StopWhenDone = false;
  int32_t FailedCount = 0;
  int32_t DoneCount = 0;
  int32_t TotalCount = 0;
  int64_t TotalBytes = 0;
  int64_t CurrentFileBytes = 0;
  int64_t DoneBytes = 0;
  int64_t ProgressBytes = 0;
  int32_t BatchPercent = 0;
  double BatchStartTime = 0;
  int32_t DurationMs = 0;
  int32_t PositionMs = 0;
  std::string EncoderInputName;
  std::string EncoderOutputName;
  int32_t OutputSizeKB = 0;
  int32_t BitrateKbps = 0;
  std::string ProfileRoot;
  std::array<std::string, kOutputFormatCount> ProfileDirs;
  std::string DefaultSettingDir;
  std::string TgpiPodPSPProfileFileName;
  int32_t MP4MenuIndex = 0;
  int32_t TGPMenuIndex = 0;
  // Values of the device command template placeholders.
  std::string AppPath;
  std::string TimeStamp;
  std::string TemporaryFile;
  std::string Title;
  std::string OutputFile;
  std::string OutputPath;
  std::string RandomNumber3;
  std::string RandomNumber5;
};

extern TGlobalVars GlobalVars;

// Back to the zeroed state of program start (tests and a fresh CLI run).
void ResetGlobalVars();
