// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/NearName.h"

#include <gtest/gtest.h>

TEST(NearName, EditDistance) {
  struct TCase {
    const char* A;
    const char* B;
    size_t Distance;
  } cases[] = {
      {"", "", 0},
      {"", "abc", 3},
      {"abc", "", 3},
      {"Quiet", "quiet", 0},        // letter case is no edit
      {"Standrad", "Standard", 1},  // two neighbours swapped
      {"Stadard", "Standard", 1},
      {"Standardd", "Standard", 1},
      {"Stand4rd", "Standard", 1},
      {"ca", "abc", 3},  // no edit of a swapped pair
      {"kitten", "sitting", 3},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(EditDistance(c.A, c.B), c.Distance) << c.A << " / " << c.B;
    EXPECT_EQ(EditDistance(c.B, c.A), c.Distance) << c.B << " / " << c.A;
  }
}

TEST(NearName, NearestName) {
  const std::vector<std::string> profiles = {"Standard", "Top quality", "Video DVD (PAL)"};
  const std::vector<std::string> presets = {"3gp2_mpeg4_aac.ini", "ipod_h264.ini",
                                            "ipod_mpeg4.ini"};
  const std::vector<std::string> targets = {"AVI", "MP4", "3GP", "MPEG", "MOV", "MP2", "MP3"};
  struct TCase {
    const char* Name;
    const std::vector<std::string>* Candidates;
    const char* Expected;
  } cases[] = {
      {"Standrad", &profiles, "Standard"},
      {"standard", &profiles, "Standard"},
      {"Top qualty", &profiles, "Top quality"},
      {"top", &profiles, "Top quality"},  // the beginning of a name
      {"Foo", &profiles, ""},
      {"Video", &profiles, "Video DVD (PAL)"},
      {"St", &profiles, ""},  // too short to stand for a beginning
      {"ipod_h246.ini", &presets, "ipod_h264.ini"},
      {"ipod_h264", &presets, "ipod_h264.ini"},
      {"ipod", &presets, "ipod_h264.ini"},  // the first of equals
      {"mp3", &targets, "MP3"},
      {"mkv", &targets, ""},  // a short name is not guessed at
      {"mpeg4", &targets, "MPEG"},
      {"", &targets, ""},
      {"anything", nullptr, ""},
  };
  const std::vector<std::string> none;
  for (const TCase& c : cases)
    EXPECT_EQ(NearestName(c.Name, c.Candidates ? *c.Candidates : none), c.Expected) << c.Name;
}
