// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DevicePresets.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <strings.h>

#include "base/Error.h"
#include "base/IniFile.h"
#include "app/GlobalVars.h"

namespace fs = std::filesystem;

TPresetGroup PresetGroupOf(const std::string& title) {
  if (title.find("3GPP") != std::string::npos || title.find("3GP2") != std::string::npos)
    return TPresetGroup::Tgp;
  if (title.find("iPod") != std::string::npos) return TPresetGroup::IPod;
  if (title.find("PSP") != std::string::npos) return TPresetGroup::Psp;
  return TPresetGroup::Other;
}

bool LoadDevicePresets(const std::string& folder, TDevicePresets& presets) {
  presets = {};
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return false;
  std::vector<fs::path> files;
  for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
       it.increment(ec)) {
    const fs::path& p = it->path();
    std::string ext = p.extension().string();
    if (strcasecmp(ext.c_str(), ".ini") == 0 && !it->is_directory(ec)) files.push_back(p);
  }
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
    return strcasecmp(a.filename().c_str(), b.filename().c_str()) < 0;
  });
  for (const fs::path& p : files) {
    std::optional<TIniFile> read;
    try {
      read.emplace(p.string());
    } catch (const EKinovertError&) {
      continue;  // no data file (a FIFO, a huge file): not a preset to offer
    }
    const TIniFile& ini = *read;
    TProfileItem item{ini.ReadString("Info", "TitleE", ""), p.string(),
                      ini.ReadString("Info", "DescriptionE", "")};
    switch (PresetGroupOf(item.Title)) {
      case TPresetGroup::Tgp: presets.Tgp.push_back(std::move(item)); break;
      case TPresetGroup::IPod: presets.IPod.push_back(std::move(item)); break;
      case TPresetGroup::Psp: presets.Psp.push_back(std::move(item)); break;
      case TPresetGroup::Other: presets.Other.push_back(std::move(item)); break;
    }
  }
  return true;
}

std::string_view PresetGroupName(TPresetGroup group) {
  switch (group) {
    case TPresetGroup::Tgp: return "3GP";
    case TPresetGroup::IPod: return "iPod";
    case TPresetGroup::Psp: return "PSP";
    case TPresetGroup::Other: break;
  }
  return "other";
}

std::vector<TProfileItem> PresetsForTarget(const TDevicePresets& presets, int outputFormat) {
  if (outputFormat == of3GP) return presets.Tgp;
  if (outputFormat != ofMP4) return {};
  std::vector<TProfileItem> out = presets.IPod;
  out.insert(out.end(), presets.Psp.begin(), presets.Psp.end());
  return out;
}

std::vector<TProfileItem> AllPresets(const TDevicePresets& presets) {
  std::vector<TProfileItem> out;
  for (const auto* group : {&presets.Tgp, &presets.IPod, &presets.Psp, &presets.Other})
    out.insert(out.end(), group->begin(), group->end());
  return out;
}

std::vector<TProfileItem> Mp4MenuPresets(const TDevicePresets& presets, int edition) {
  std::vector<TProfileItem> out;
  if (edition == 0 || edition == 3) out.insert(out.end(), presets.IPod.begin(), presets.IPod.end());
  if (edition == 0 || edition == 2) out.insert(out.end(), presets.Psp.begin(), presets.Psp.end());
  return out;
}

std::vector<TProfileDetailItem> PresetItems(const std::string& presetFile) {
  return PresetItemsOf(TIniFile(presetFile));
}

std::vector<TProfileDetailItem> PresetItemsOf(const TIniFile& ini) {
  const std::string& presetFile = ini.FileName();
  std::vector<TProfileDetailItem> out;
  for (const std::string& section : ini.ReadSections())
    if (section.compare(0, 4, "Item") == 0)
      out.push_back({presetFile, section, ini.ReadString(section, "TitleE", "")});
  return out;
}

std::string PresetExtension(const std::string& presetFile, const std::string& section) {
  return TIniFile(presetFile).ReadString(section, "EXT", "");
}

std::vector<std::string> PresetCommands(const std::string& presetFile, const std::string& section) {
  return PresetCommandsOf(TIniFile(presetFile), section);
}

std::vector<std::string> PresetCommandsOf(const TIniFile& ini, const std::string& section) {
  std::vector<std::string> out;
  for (auto& [key, value] : ini.ReadSectionValues(section))
    if (key.compare(0, 7, "Command") == 0) out.push_back(value);
  return out;
}
