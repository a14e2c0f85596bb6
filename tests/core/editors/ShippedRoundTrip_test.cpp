// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a shipped profile in its editor and saving it without an edit must
// not change how it encodes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/GlobalVars.h"
#include "editors/EditorState.h"
#include "profiles/EncoderOptions.h"
#include "profiles/ProfileSettings.h"
#include "support/ProfileSnapshot.h"

namespace fs = std::filesystem;

namespace {

struct TShipped {
  int Format;
  std::string Path;
};
void PrintTo(const TShipped& p, std::ostream* out) {
  *out << p.Path;
}

std::vector<TShipped> ShippedProfiles() {
  std::vector<TShipped> all;
  const fs::path data = fs::path(KINOVERT_SOURCE_DIR) / "data";
  for (const char* tree : {"profile_en", "profile_fr", "profile_de", "profile_it", "profile"})
    for (int format = 0; format < kOutputFormatCount; ++format) {
      const fs::path folder = data / tree / std::string(FormatFolderName(format));
      const std::string extension = "." + std::string(ProfileExtension(format));
      for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() == extension) all.push_back({format, e.path().string()});
    }
  return all;
}

std::string OptionsOf(const TShipped& p) {
  ResetAllProfileSettings();
  GlobalVars.OutputFormat = static_cast<uint8_t>(p.Format);
  return BuildEncoderOptions(p.Path);
}

class ShippedRoundTrip : public testing::TestWithParam<TShipped> {};

TEST_P(ShippedRoundTrip, OpenAndSaveKeepsTheOptions) {
  const TShipped& p = GetParam();
  const std::string before = OptionsOf(p);
  const TProfileValues stored = ProfileSnapshot(p.Format);
  TEditorState state(*FindEditorDesc(p.Format));
  state.Load();
  state.Show();
  ResetAllProfileSettings();
  DefaultProfile(p.Format);
  state.Save();
  EXPECT_EQ(OptionsOfRecord(p.Format), before);
  // Also what the options do not use now (the DVD page of a profile without
  // presets) comes back as it was.
  EXPECT_EQ(ProfileSnapshot(p.Format), stored);
}

INSTANTIATE_TEST_SUITE_P(EveryTree, ShippedRoundTrip, testing::ValuesIn(ShippedProfiles()),
                         [](const auto& p) {
                           const fs::path path(p.param.Path);
                           std::string name = path.parent_path().parent_path().filename().string() +
                                              "_" + path.parent_path().filename().string() + "_" +
                                              path.stem().string();
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name + "_" + std::to_string(p.index);
                         });

}  // namespace
