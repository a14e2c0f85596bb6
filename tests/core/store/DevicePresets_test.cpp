// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DevicePresets.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/RunProgram.h"

TEST(DevicePresets, GroupsByTitleInNameOrder) {
  TTempDir dir;
  WriteFileText(dir / "b phone.INI", "[Info]\nTitleE=Phone 3GPP and iPod\nDescriptionE=d\n");
  WriteFileText(dir / "A player.ini", "[Info]\nTitleE=iPod video\n");
  WriteFileText(dir / "c.ini", "[Info]\nTitleE=ipod lower case\n");
  WriteFileText(dir / "d.ini", "[Other]\nx=1\n");
  WriteFileText(dir / "e.ini", "[Info]\nTitleE=PSP\n");
  WriteFileText(dir / "f.txt", "[Info]\nTitleE=3GP2 ignored\n");
  TDevicePresets p;
  ASSERT_TRUE(LoadDevicePresets(dir.Path(), p));
  ASSERT_EQ(p.Tgp.size(), 1u);
  EXPECT_EQ(p.Tgp[0].Title, "Phone 3GPP and iPod");
  EXPECT_EQ(p.Tgp[0].Description, "d");
  EXPECT_EQ(p.Tgp[0].FileName, dir / "b phone.INI");
  ASSERT_EQ(p.IPod.size(), 1u);
  ASSERT_EQ(p.Psp.size(), 1u);
  ASSERT_EQ(p.Other.size(), 2u);
  EXPECT_EQ(p.Other[0].Title, "ipod lower case");
  EXPECT_EQ(p.Other[1].Title, "");

  auto titles = [](const std::vector<TProfileItem>& items) {
    std::vector<std::string> t;
    for (auto& i : items) t.push_back(i.Title);
    return t;
  };
  EXPECT_EQ(titles(Mp4MenuPresets(p, 0)), (std::vector<std::string>{"iPod video", "PSP"}));
  EXPECT_TRUE(Mp4MenuPresets(p, 1).empty());
  EXPECT_EQ(titles(Mp4MenuPresets(p, 2)), (std::vector<std::string>{"PSP"}));
  EXPECT_EQ(titles(Mp4MenuPresets(p, 3)), (std::vector<std::string>{"iPod video"}));

  EXPECT_FALSE(LoadDevicePresets(dir / "missing", p));
  EXPECT_TRUE(p.Tgp.empty());
}

TEST(DevicePresets, ItemsExtensionsAndCommands) {
  TTempDir dir;
  std::string file = dir / "p.ini";
  WriteFileText(file,
                "[Info]\nTitleE=3GPP phone\n"
                "[Item1]\nTitleE=Low\nEXT=3gp\nCommand1=first\nNote=skip\nCommand2=second\n"
                "CommandX=third\ncommand3=lower case is no command\n"
                "[itemX]\nTitleE=not an item\n"
                "[Item 2]\nEXT=\n");
  auto items = PresetItems(file);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].Section, "Item1");
  EXPECT_EQ(items[0].Title, "Low");
  EXPECT_EQ(items[0].FileName, file);
  EXPECT_EQ(items[1].Title, "");
  EXPECT_EQ(PresetExtension(file, "Item1"), "3gp");
  EXPECT_EQ(PresetExtension(file, "Item 2"), "");
  EXPECT_EQ(PresetCommands(file, "Item1"), (std::vector<std::string>{"first", "second", "third"}));
  EXPECT_TRUE(PresetItems(dir / "none.ini").empty());
}

// Every tree offers phones and players, each preset with quality levels that
// say what they write and call the encoder of the program folder.
TEST(DevicePresets, ShippedInEveryTree) {
  for (const char* tree : {"profile_en", "profile_fr", "profile_de", "profile_it", "profile"}) {
    SCOPED_TRACE(tree);
    TDevicePresets p;
    ASSERT_TRUE(LoadDevicePresets(std::string(KINOVERT_SOURCE_DIR "/data/") + tree + "/default_setting", p));
    EXPECT_GE(p.Tgp.size(), 3u);
    EXPECT_GE(p.IPod.size(), 2u);
    EXPECT_GE(p.Psp.size(), 2u);
    EXPECT_TRUE(p.Other.empty());
    for (const auto* group : {&p.Tgp, &p.IPod, &p.Psp}) {
      for (const TProfileItem& preset : *group) {
        auto items = PresetItems(preset.FileName);
        EXPECT_GE(items.size(), 2u) << preset.FileName;
        for (const TProfileDetailItem& item : items) {
          EXPECT_FALSE(item.Title.empty()) << preset.FileName;
          EXPECT_FALSE(PresetExtension(preset.FileName, item.Section).empty());
          auto commands = PresetCommands(preset.FileName, item.Section);
          ASSERT_FALSE(commands.empty());
          EXPECT_EQ(commands[0].rfind("<%AppPath%>/avcore -p 5310746 -i <%InputFile%> ", 0), 0u)
              << commands[0];
        }
      }
    }
  }
}

TEST(DevicePresets, AFileThatIsNoDataFileIsNotOffered) {
  TTempDir dir;
  WriteFileText(dir / "a.ini", "[Info]\nTitleE=Phone 3GPP\n");
  ASSERT_EQ(::mkfifo((dir / "b.ini").c_str(), 0600), 0);  // would block a plain read
  TDevicePresets presets;
  ASSERT_TRUE(LoadDevicePresets(dir.Path(), presets));
  ASSERT_EQ(presets.Tgp.size(), 1u);
  EXPECT_EQ(presets.Tgp[0].Title, "Phone 3GPP");
}
