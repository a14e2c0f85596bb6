// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FileFailure.h"

#include <string.h>

#include "base/FileNames.h"
#include "base/FormatText.h"
#include "lang/ResStr.h"

namespace {

// The highest signal number a shell reports as 128 + the signal.
constexpr int kLastSignal = 64;

std::string Killed(int signal) {
  return FormatText(ResStr(MSG_REASON_KILLED), {std::to_string(signal), SignalName(signal)});
}

}  // namespace

std::string SignalName(int signal) {
  const char* abbreviation = ::sigabbrev_np(signal);
  return abbreviation != nullptr ? std::string("SIG") + abbreviation
                                 : "signal " + std::to_string(signal);
}

std::string FileFailureReason(const TFileEndFacts& f) {
  if (f.KilledBy > 0) return Killed(f.KilledBy);
  if (f.DeviceRoute && f.FailureLine.empty() && f.ExitCode > 128 && f.ExitCode <= 128 + kLastSignal)
    return Killed(f.ExitCode - 128);
  // The encoder's own line cannot know that the folder went: it tells of a
  // file it could not finish.
  if (!f.OutputFolderExists)
    return FormatText(ResStr(MSG_REASON_FOLDER_GONE), {ExcludeBackslash(FolderPart(f.Output))});
  if (!f.FailureLine.empty()) return f.FailureLine;
  if (f.ExitCode != 0)
    return FormatText(ResStr(MSG_REASON_EXIT_STATUS), {std::to_string(f.ExitCode)});
  if (!f.WrittenInstead.empty())
    return FormatText(ResStr(MSG_REASON_WROTE_ELSEWHERE),
                      {f.WrittenInstead, FileNamePart(f.Output)});
  if (f.DeviceRoute && f.OutputSize <= 0)
    return FormatText(ResStr(MSG_REASON_PRESET_NO_OUTPUT), {FileNamePart(f.Output)});
  if (f.OutputSize < 0) return FormatText(ResStr(MSG_REASON_OUTPUT_GONE), {f.Output});
  return ResStr(MSG_REASON_NO_OUTPUT);
}
