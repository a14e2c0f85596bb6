// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped profile of every language tree, opened in its editor and
// saved without an edit, encodes as before and keeps every value.
#include <filesystem>
#include <string>
#include <vector>

#include "app/GlobalVars.h"
#include "editors/EditorTesting.h"
#include "profiles/EncoderOptions.h"
#include "profiles/ProfileSettings.h"
#include "support/ProfileSnapshot.h"
#include "support/RecordingDialogs.h"

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

class ShippedProfileInEditor : public testing::TestWithParam<TShipped> {};

TEST_P(ShippedProfileInEditor, OpenAndSaveChangesNothing) {
  const TShipped& p = GetParam();
  TRecordingDialogs dialogs;
  ResetAllProfileSettings();
  GlobalVars.OutputFormat = static_cast<uint8_t>(p.Format);
  const std::string before = BuildEncoderOptions(p.Path);
  const TProfileValues stored = ProfileSnapshot(p.Format);
  std::unique_ptr<TProfileEditor> editor = OpenEditor(p.Format);
  // Every tab is visited, as a user looking around would.
  auto* tabs = Child<QTabWidget>(editor.get(), "PageControlOptions");
  for (int i = 0; i < tabs->count(); ++i)
    if (tabs->isTabVisible(i)) tabs->setCurrentIndex(i);
  ScrambleProfile(p.Format);
  editor->SaveControls();
  EXPECT_EQ(OptionsOfRecord(p.Format), before);
  EXPECT_EQ(ProfileSnapshot(p.Format), stored);
  EXPECT_TRUE(dialogs.Messages.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryTree, ShippedProfileInEditor, testing::ValuesIn(ShippedProfiles()),
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
