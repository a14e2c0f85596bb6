// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GlobalVars.h"

#include "base/TextUtil.h"

TGlobalVars GlobalVars;

int ProfileDirIndex(int outputFormat) {
  // The folder of each target, in OutputFormat order.
  static constexpr std::array<std::string_view, kOutputFormatCount> dirOfFormat = {
      "avi", "mp4", "3gp", "mpg", "mov", "wmv", "rm",  "swf",
      "vob", "asf", "aac", "ac3", "mp2", "mp3", "amr", "wav"};
  if (outputFormat < 0 || outputFormat >= kOutputFormatCount) return -1;
  std::string_view dir = dirOfFormat[static_cast<size_t>(outputFormat)];
  for (size_t i = 0; i < ProfileDirNames.size(); ++i)
    if (ProfileDirNames[i] == dir) return static_cast<int>(i);
  return -1;
}

std::string_view FormatFolderName(int outputFormat) {
  int i = ProfileDirIndex(outputFormat);
  return i < 0 ? std::string_view{} : ProfileDirNames[static_cast<size_t>(i)];
}

std::string ProfileExtension(int outputFormat) {
  std::string_view dir = FormatFolderName(outputFormat);
  return dir.empty() ? std::string{} : std::string(dir.substr(0, 2)) + "o";
}

int OutputFormatFromName(std::string_view name) {
  for (size_t i = 0; i < OutputFormatNames.size(); ++i)
    if (SameTextIgnoringCase(OutputFormatNames[i], name)) return static_cast<int>(i);
  return -1;
}

void ResetGlobalVars() { GlobalVars = TGlobalVars{}; }
