// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConvertChoice.h"

#include <filesystem>
#include <vector>

#include "Cli.h"
#include "app/GlobalVars.h"
#include "base/FileNames.h"
#include "base/IniFile.h"
#include "base/TextUtil.h"
#include "profiles/ProfileSettings.h"
#include "store/DevicePresets.h"
#include "store/ProfileList.h"

namespace fs = std::filesystem;

namespace {

std::string TargetName(int outputFormat) {
  return std::string(OutputFormatNames[static_cast<size_t>(outputFormat)]);
}

// The names to choose from, the nearest first when there is one.
std::string Choices(const std::string& given, const std::vector<std::string>& names,
                    const std::string& what) {
  if (names.empty()) return "; there are no " + what;
  return DidYouMean(given, names) + "; the " + what + " are " + JoinNames(names);
}

// A file given by path, read the way every profile is read (a folder, a FIFO
// or a huge file is refused), named as the target's profiles are and holding
// at least one key of them: anything else would convert with settings nobody
// chose (most keys are shared by several targets, so the keys alone do not
// tell an MP3 profile from an AVI one).
std::string CheckedProfileFile(int outputFormat, const std::string& path) {
  if (!PathExists(path)) throw TUsageError{"no profile file " + path};
  const TIniFile ini(path);
  const std::string extension = ProfileExtension(outputFormat);
  const std::string name = FileNamePart(path);
  const bool named = name.size() > extension.size() + 1 &&
                     SameTextIgnoringCase(name.substr(name.size() - extension.size() - 1),
                                          "." + extension);
  if (!named)
    throw TUsageError{path + " is no " + TargetName(outputFormat) + " profile (" +
                      TargetName(outputFormat) + " profiles end in ." + extension + ")"};
  for (std::string_view key : ProfileKeys(outputFormat))
    if (ini.ValueExists(kProfileSection, key)) return AbsolutePath(path);
  throw TUsageError{path + " is no " + TargetName(outputFormat) + " profile (its [" +
                    std::string(kProfileSection) + "] section holds no key of one)"};
}

}  // namespace

std::string AbsolutePath(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::absolute(path, ec);
  return ec ? path : p.lexically_normal().string();
}

std::string ResolveProfile(int outputFormat, const std::string& profile) {
  if (profile.find('/') == std::string::npos) {
    const std::vector<TProfileEntry> listed = ListProfiles(outputFormat);
    if (int found = FindProfile(listed, profile); found >= 0)
      return listed[static_cast<size_t>(found)].FileName;
    if (!PathExists(profile))
      throw TUsageError{
          "no " + TargetName(outputFormat) + " profile '" + profile + "'" +
          Choices(profile, ProfileNames(listed), TargetName(outputFormat) + " profiles")};
  }
  return CheckedProfileFile(outputFormat, profile);
}

std::string ResolveDevicePreset(int outputFormat, const std::string& device) {
  TDevicePresets presets;
  LoadDevicePresets(GlobalVars.DefaultSettingDir, presets);
  std::vector<std::string> names;
  for (const TProfileItem& p : PresetsForTarget(presets, outputFormat))
    names.push_back(FileNamePart(p.FileName));
  std::string file;
  if (PathExists(device)) {
    file = device;
  } else {
    for (const TProfileItem& p : AllPresets(presets))
      if (FileNamePart(p.FileName) == device) file = p.FileName;
    // A file of the folder that is no preset to offer still names itself.
    if (std::string inFolder = GlobalVars.DefaultSettingDir + device;
        file.empty() && PathExists(inFolder))
      file = inFolder;
  }
  if (file.empty())
    throw TUsageError{"no device preset '" + device + "'" +
                      Choices(device, names, TargetName(outputFormat) + " device presets")};
  // A preset's title puts it in one device menu; the other target's presets
  // write that target's files.
  const TPresetGroup group = PresetGroupOf(TIniFile(file).ReadString("Info", "TitleE", ""));
  const bool otherTarget = outputFormat == ofMP4 ? group == TPresetGroup::Tgp
                                                 : group == TPresetGroup::IPod || group == TPresetGroup::Psp;
  if (otherTarget)
    throw TUsageError{device + " is a device preset of the " + std::string(PresetGroupName(group)) +
                      " menu, not of " + TargetName(outputFormat) +
                      Choices(device, names, TargetName(outputFormat) + " device presets")};
  return file;
}

void CheckPresetItem(const std::string& presetFile, const std::string& section) {
  std::vector<std::string> sections, shown;
  for (const TProfileDetailItem& i : PresetItems(presetFile)) {
    if (i.Section == section) return;
    sections.push_back(i.Section);
    shown.push_back(i.Section + " (" + i.Title + ")");
  }
  throw TUsageError{"the preset " + FileNamePart(presetFile) + " has no item '" + section + "'" +
                    DidYouMean(section, sections) +
                    (shown.empty() ? "; it has no items" : "; its items are " + JoinNames(shown))};
}
