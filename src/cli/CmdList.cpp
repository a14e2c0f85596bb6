// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli list [--target FMT]: the profiles and device presets to
// convert with, as the desktop program's profile boxes and device menus
// list them.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Cli.h"
#include "app/BuildConstants.h"
#include "app/GlobalVars.h"
#include "base/FileNames.h"
#include "base/Utf8.h"
#include "store/DevicePresets.h"
#include "store/ProfileList.h"
#include "store/TargetTable.h"

namespace {

// Names, titles and descriptions come from profile and preset files, which
// are shared and may hold anything: each cell is taken as ShownName.
using TRows = std::vector<std::pair<std::string, std::string>>;

// Two columns, the first as wide as its widest entry.
size_t FirstColumnWidth(const TRows& rows) {
  size_t width = 0;
  for (const auto& row : rows) width = std::max(width, TextColumns(row.first));
  return width;
}

void PrintRow(const char* indent, const std::pair<std::string, std::string>& row, size_t width) {
  std::string padding(row.second.empty() ? 0 : width - TextColumns(row.first) + 2, ' ');
  std::printf("%s%s%s%s\n", indent, row.first.c_str(), padding.c_str(), row.second.c_str());
}

void PrintProfiles(int format) {
  std::printf("%s profiles (--profile NAME):\n",
              std::string(OutputFormatNames[static_cast<size_t>(format)]).c_str());
  TRows rows;
  for (const TProfileEntry& e : ListProfiles(format))
    rows.emplace_back(ShownName(e.Name), ShownName(ProfileDescription(e.FileName)));
  if (rows.empty()) std::printf("  (none)\n");
  for (const auto& row : rows) PrintRow("  ", row, FirstColumnWidth(rows));
}

// `offered`, when given, is what the desktop program's menu offers in this
// edition; the others convert here all the same, and say so.
void PrintPresets(const std::string& heading, const std::vector<TProfileItem>& presets,
                  const std::vector<TProfileItem>* offered = nullptr) {
  std::printf("%s (--device FILE --item SECTION):\n", heading.c_str());
  if (presets.empty()) std::printf("  (none)\n");
  TRows titles, rows;
  for (const TProfileItem& p : presets) {
    std::string tag = "[" + std::string(PresetGroupName(PresetGroupOf(p.Title)));
    if (offered != nullptr &&
        std::none_of(offered->begin(), offered->end(),
                     [&](const TProfileItem& o) { return o.FileName == p.FileName; }))
      tag += ", not in this edition's menu";
    titles.emplace_back(ShownName(p.Title), tag + "]");
  }
  const size_t titleWidth = FirstColumnWidth(titles);
  for (size_t i = 0; i < presets.size(); ++i)
    rows.emplace_back(ShownName(FileNamePart(presets[i].FileName)),
                      titles[i].first +
                          std::string(titleWidth - TextColumns(titles[i].first) + 2, ' ') +
                          titles[i].second);
  for (size_t i = 0; i < presets.size(); ++i) {
    PrintRow("  ", rows[i], FirstColumnWidth(rows));
    TRows items;
    for (const TProfileDetailItem& item : PresetItems(presets[i].FileName))
      items.emplace_back(ShownName(item.Section), ShownName(item.Title));
    for (const auto& item : items) PrintRow("      ", item, FirstColumnWidth(items));
  }
}

int RunList(const TCliArgs& args) {
  if (!args.Positionals().empty()) throw TUsageError{"list takes no arguments"};
  const int only = args.Option("target").empty() ? -1 : TakeTarget(args);
  ViewProfiles();
  TDevicePresets presets;
  LoadDevicePresets(GlobalVars.DefaultSettingDir, presets);
  bool first = true;
  for (int format = 0; format < kOutputFormatCount; ++format) {
    if (only >= 0 && format != only) continue;
    if (!first) std::printf("\n");
    first = false;
    if (format == ofMP4) {
      const std::vector<TProfileItem> offered = Mp4MenuPresets(presets, BuildEdition());
      PrintPresets("MP4 device presets", PresetsForTarget(presets, format), &offered);
    } else if (UsesDevicePresets(format)) {
      PrintPresets(std::string(OutputFormatNames[static_cast<size_t>(format)]) + " device presets",
                   PresetsForTarget(presets, format));
    } else {
      PrintProfiles(format);
    }
  }
  if (only < 0 && !presets.Other.empty()) {
    std::printf("\n");
    PrintPresets("Other device presets, in no device menu", presets.Other);
  }
  return kExitOk;
}

const TCliCommand Command(
    "list", "list [-t FORMAT]",
    "list the profiles of each target (name and description, as the profile box lists them) "
    "and the device presets of MP4 and 3GP (file, title, group, and each item section with "
    "its title)",
    {kTargetOption}, RunList);

}  // namespace
