// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One device preset file of the "default_setting" folder.
struct TProfileItem {
  std::string Title;        // Info/TitleE
  std::string FileName;     // full path
  std::string Description;  // Info/DescriptionE; kept, never shown
};

// One "Item…" section of a preset file: a quality level the user can pick.
struct TProfileDetailItem {
  std::string FileName;
  std::string Section;
  std::string Title;  // the section's TitleE
};

// Which device menu offers a preset, decided by its title (first match wins,
// case-sensitive): "3GPP" or "3GP2", then "iPod", then "PSP"; the rest is
// loaded but never offered.
enum class TPresetGroup { Tgp, IPod, Psp, Other };
TPresetGroup PresetGroupOf(const std::string& title);

struct TDevicePresets {
  std::vector<TProfileItem> Tgp, IPod, Psp, Other;
};

// Reads every "*.ini" of the folder, sorted by name without regard to case.
// False, and nothing loaded, when the folder does not exist.
bool LoadDevicePresets(const std::string& folder, TDevicePresets& presets);

// The presets the MP4 device menu offers in an edition: 0 iPod then PSP,
// 2 PSP, 3 iPod, anything else none.
std::vector<TProfileItem> Mp4MenuPresets(const TDevicePresets& presets, int edition);

// The group's name as the listings show it: "3GP", "iPod", "PSP" or "other".
std::string_view PresetGroupName(TPresetGroup group);

// The presets whose device menu chooses the target: MP4 the iPod group then
// the PSP group, 3GP the 3GP group, every other target none. (Which of them
// the desktop program's MP4 menu offers depends on the edition.)
std::vector<TProfileItem> PresetsForTarget(const TDevicePresets& presets, int outputFormat);

// Every loaded preset: the 3GP, iPod, PSP and other groups in turn.
std::vector<TProfileItem> AllPresets(const TDevicePresets& presets);

// The sections of a preset file whose names begin with "Item" (case-sensitive),
// in file order; empty for a missing file.
std::vector<TProfileDetailItem> PresetItems(const std::string& presetFile);

// The output extension (EXT, without the dot) and the command templates (the
// values of keys whose first seven characters are exactly "Command", in file
// order) of one Item section.
std::string PresetExtension(const std::string& presetFile, const std::string& section);
std::vector<std::string> PresetCommands(const std::string& presetFile, const std::string& section);
// The same of a preset file already in memory (its FileName names it).
std::vector<TProfileDetailItem> PresetItemsOf(const class TIniFile& ini);
std::vector<std::string> PresetCommandsOf(const class TIniFile& ini, const std::string& section);
