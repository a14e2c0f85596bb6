// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "app/GlobalVars.h"
#include "base/IniFile.h"
#include "base/TextUtil.h"
#include "profiles/EncoderOptions.h"
#include "profiles/ProfileSettings.h"

namespace fs = std::filesystem;

// Every tree has every format folder with at least two profiles, and each
// profile builds options for its format.
TEST(ShippedProfiles, EveryProfileBuildsOptions) {
  fs::path data = fs::path(KINOVERT_SOURCE_DIR) / "data";
  for (const char* tree : {"profile_en", "profile_fr", "profile_de", "profile_it", "profile"}) {
    for (int format = 0; format < kOutputFormatCount; ++format) {
      fs::path folder = data / tree / std::string(FormatFolderName(format));
      std::string extension = ".";
      extension += ProfileExtension(format);
      int profiles = 0;
      for (auto& e : fs::directory_iterator(folder)) {
        if (e.path().extension() != extension) continue;
        ++profiles;
        ResetAllProfileSettings();
        GlobalVars.OutputFormat = static_cast<uint8_t>(format);
        std::string options = BuildEncoderOptions(e.path().string());
        EXPECT_GT(options.size(), 10u) << e.path();
        EXPECT_EQ(options.rfind("-y ", 0), 0u) << e.path() << ": " << options;
        // A disc preset names its codecs through the target.
        bool preset = options.find("-target ") != std::string::npos;
        bool audioOnly = format >= ofAAC;
        EXPECT_TRUE(preset || options.find(audioOnly ? "-vn " : "-vcodec ") != std::string::npos)
            << e.path() << ": " << options;
        EXPECT_TRUE(preset || options.find("-acodec ") != std::string::npos)
            << e.path() << ": " << options;
      }
      EXPECT_GE(profiles, 2) << folder;
    }
  }
  ResetAllProfileSettings();
  ResetGlobalVars();
}

namespace {

const char* const kTrees[] = {"profile_en", "profile_fr", "profile_de", "profile_it", "profile"};

fs::path DataFolder() { return fs::path(KINOVERT_SOURCE_DIR) / "data"; }

// Profile names of a folder in the order a profile box lists them.
std::vector<std::string> ListedNames(const fs::path& folder, const std::string& extension) {
  std::vector<std::string> names;
  for (auto& e : fs::directory_iterator(folder))
    if (e.path().extension() == extension) names.push_back(e.path().stem().string());
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return LowerCaseAscii(a) < LowerCaseAscii(b);
  });
  return names;
}

// The shape a frame is shown with: the -aspect of the options, else the
// frame's own (square pixels); 0 when the options fix no size.
double ShownShape(const std::string& options, double* frame) {
  int w = 0, h = 0, a = 0, b = 0;
  size_t s = options.find("-s ");
  if (s == std::string::npos || std::sscanf(options.c_str() + s, "-s %dx%d", &w, &h) != 2 || h == 0) return 0;
  *frame = static_cast<double>(w) / h;
  size_t at = options.find("-aspect ");
  if (at != std::string::npos && std::sscanf(options.c_str() + at, "-aspect %d:%d", &a, &b) == 2 && b != 0)
    return static_cast<double>(a) / b;
  return *frame;
}

}  // namespace

// After start a profile box shows its first entry: that must be the
// everyday choice of the target, in every language.
TEST(ShippedProfiles, TheEverydayChoiceIsListedFirst) {
  for (const char* tree : kTrees) {
    for (int format = 0; format < kOutputFormatCount; ++format) {
      std::string extension = ".";
      extension += ProfileExtension(format);
      std::vector<std::string> names =
          ListedNames(DataFolder() / tree / std::string(FormatFolderName(format)), extension);
      ASSERT_FALSE(names.empty());
      const std::string& first = names.front();
      EXPECT_TRUE(first.rfind("Standard", 0) == 0 || first.rfind("AMR-NB", 0) == 0)
          << tree << " " << OutputFormatNames[static_cast<size_t>(format)] << ": " << first;
    }
  }
}

// French, German and Italian descriptions write decimals with a comma; a
// point between digits stays only in names such as H.264. French glues its
// colon to the word before it with a no-break space.
TEST(ShippedProfiles, DescriptionsFollowTheLanguagesTypography) {
  for (const char* tree : {"profile_fr", "profile_de", "profile_it"}) {
    for (int format = 0; format < kOutputFormatCount; ++format) {
      fs::path folder = DataFolder() / tree / std::string(FormatFolderName(format));
      for (auto& e : fs::directory_iterator(folder)) {
        std::string d = TIniFile(e.path().string()).ReadString("General", "Description", "");
        for (size_t at = d.find('.'); at != std::string::npos; at = d.find('.', at + 1)) {
          bool betweenDigits = at > 0 && at + 1 < d.size() && std::isdigit(static_cast<unsigned char>(d[at - 1])) &&
                               std::isdigit(static_cast<unsigned char>(d[at + 1]));
          bool name = at >= 1 && d[at - 1] == 'H';
          EXPECT_FALSE(betweenDigits && !name) << e.path() << ": " << d;
        }
        EXPECT_EQ(d.find("stereo "), std::string::npos);
        if (std::string(tree) == "profile_fr") {
          EXPECT_NE(d.find("\u00a0: "), std::string::npos) << e.path() << ": " << d;
        }
      }
    }
  }
}

// A frame the options fix is shown with its own shape, except the standard
// DVD frames, which are shown 4:3 or 16:9 as DVD players expect.
TEST(ShippedProfiles, AspectsMatchTheirFrames) {
  std::vector<std::pair<std::string, std::string>> all;  // what, options
  for (const char* tree : kTrees) {
    for (int format = 0; format < kOutputFormatCount; ++format) {
      fs::path folder = DataFolder() / tree / std::string(FormatFolderName(format));
      for (auto& e : fs::directory_iterator(folder)) {
        ResetAllProfileSettings();
        GlobalVars.OutputFormat = static_cast<uint8_t>(format);
        all.emplace_back(e.path().string(), BuildEncoderOptions(e.path().string()));
      }
    }
    for (auto& e : fs::directory_iterator(DataFolder() / tree / "default_setting"))
      for (const std::string& section : TIniFile(e.path().string()).ReadSections())
        if (section.rfind("Item", 0) == 0)
          all.emplace_back(e.path().string() + " " + section,
                           TIniFile(e.path().string()).ReadString(section, "Command1", ""));
  }
  int checked = 0;
  for (const auto& [what, options] : all) {
    double frame = 0, shown = ShownShape(options, &frame);
    if (shown == 0) continue;
    ++checked;
    bool dvdFrame = options.find("-s 720x576 ") != std::string::npos ||
                    options.find("-s 720x480 ") != std::string::npos;
    if (dvdFrame)
      EXPECT_TRUE(std::abs(shown - 4.0 / 3) < 0.01 || std::abs(shown - 16.0 / 9) < 0.01) << what << ": " << options;
    else
      EXPECT_NEAR(shown, frame, frame * 0.02) << what << ": " << options;
  }
  EXPECT_GT(checked, 40);
  ResetAllProfileSettings();
  ResetGlobalVars();
}
