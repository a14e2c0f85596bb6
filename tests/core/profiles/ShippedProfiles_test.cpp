// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "app/GlobalVars.h"
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
