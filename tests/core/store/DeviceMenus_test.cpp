// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DeviceMenus.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/GlobalVars.h"
#include "support/RunProgram.h"

namespace {

class DeviceMenusTest : public ::testing::Test {
 protected:
  TTempDir Dir;
  TDeviceMenus Menus;

  void SetUp() override {
    ResetGlobalVars();
    Write("a.ini", "Phone 3GPP with iPod", 2);
    Write("b.ini", "ipod in lower case", 1);
    Write("c.ini", "iPod classic", 2);
    Write("d.ini", "PSP slim", 1);
    Write("e.ini", "3GP2 phone", 3);
  }
  void TearDown() override { ResetGlobalVars(); }

  void Write(const std::string& name, const std::string& title, int items) {
    std::string text = "[Info]\nTitleE=" + title + "\n";
    for (int i = 1; i <= items; ++i)
      text += "[Item" + std::to_string(i) + "]\nTitleE=" + title + " " + std::to_string(i) + "\n";
    WriteFileText(Dir / name, text);
  }
  std::vector<std::string> Rows() const {
    std::vector<std::string> out;
    for (const TDeviceEntry& e : Menus.Entries())
      out.push_back((e.Group == dgMP4 ? "MP4 " : "3GP ") + std::to_string(e.Position) + " " +
                    e.Title);
    return out;
  }
  std::vector<std::string> Items() const {
    std::vector<std::string> out;
    for (const TProfileDetailItem& i : Menus.Items()) out.push_back(i.Title);
    return out;
  }
};

}  // namespace

TEST_F(DeviceMenusTest, EntriesByEdition) {
  const std::vector<std::string> tgp = {"3GP 0 Phone 3GPP with iPod", "3GP 1 3GP2 phone"};
  struct TCase {
    int Edition;
    std::vector<std::string> Mp4;
  } cases[] = {
      {0, {"MP4 0 iPod classic", "MP4 1 PSP slim"}},
      {1, {}},
      {2, {"MP4 0 PSP slim"}},
      {3, {"MP4 0 iPod classic"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Edition);
    ASSERT_TRUE(Menus.Load(Dir.Path(), c.Edition));
    std::vector<std::string> rows = c.Mp4;
    rows.insert(rows.end(), tgp.begin(), tgp.end());
    EXPECT_EQ(Rows(), rows);
  }
  // "ipod" in lower case is in no offered group.
  ASSERT_EQ(Menus.Presets().Other.size(), 1u);
  EXPECT_EQ(Menus.Presets().Other[0].Title, "ipod in lower case");

  EXPECT_FALSE(Menus.Load(Dir / "missing", 0));
  EXPECT_TRUE(Menus.Entries().empty());
}

TEST_F(DeviceMenusTest, SelectingAnEntry) {
  ASSERT_TRUE(Menus.Load(Dir.Path(), 0));  // iPod, PSP, 3GPP, 3GP2
  EXPECT_EQ(Menus.SelectDevicePreset(3), of3GP);
  EXPECT_EQ(Items(), (std::vector<std::string>{"3GP2 phone 1", "3GP2 phone 2", "3GP2 phone 3"}));
  EXPECT_EQ(Menus.ItemIndex(), 0);
  EXPECT_EQ(Menus.CheckedEntry(dg3GP), 3);
  EXPECT_EQ(Menus.CheckedEntry(dgMP4), -1);
  EXPECT_EQ(Menus.SelectedRow(), 3);
  EXPECT_EQ(GlobalVars.TGPMenuIndex, 1);
  EXPECT_EQ(GlobalVars.TgpiPodPSPProfileFileName, Dir / "e.ini");

  EXPECT_EQ(Menus.SelectDevicePreset(1), ofMP4);
  EXPECT_EQ(Items(), (std::vector<std::string>{"PSP slim 1"}));
  EXPECT_EQ(Menus.CheckedEntry(dgMP4), 1);
  EXPECT_EQ(Menus.CheckedEntry(dg3GP), 3);  // each menu keeps its own check
  EXPECT_EQ(Menus.SelectedRow(), 1);
  EXPECT_EQ(GlobalVars.MP4MenuIndex, 1);
  EXPECT_EQ(GlobalVars.TGPMenuIndex, 1);
  EXPECT_EQ(GlobalVars.TgpiPodPSPProfileFileName, Dir / "d.ini");

  EXPECT_EQ(Menus.SelectDevicePreset(4), -1);
  EXPECT_EQ(Menus.SelectDevicePreset(-1), -1);
  EXPECT_EQ(GlobalVars.TgpiPodPSPProfileFileName, Dir / "d.ini");

  Menus.SelectItem(5);
  EXPECT_EQ(Menus.ItemIndex(), -1);
}

TEST_F(DeviceMenusTest, StartUpRestore) {
  struct TCase {
    const char* Title;
    int Target;
    std::string File;
    int Index;
    int Checked;  // entry checked and row selected, -1 for none
    int IndexAfter;
    size_t Items;
  } cases[] = {
      {"3GP at its position", of3GP, Dir / "e.ini", 1, 1, 1, 3},
      {"index out of range", of3GP, Dir / "b.ini", 7, -1, 7, 1},
      {"index out of range, preset offered", of3GP, Dir / "e.ini", 7, 1, 1, 3},
      {"index of another preset", of3GP, Dir / "a.ini", 1, 0, 0, 2},
      {"file deleted", of3GP, Dir / "gone.ini", 0, -1, 0, 0},
      {"file now a folder", of3GP, Dir.Path(), 0, -1, 0, 0},
      {"not offered in this menu", of3GP, Dir / "c.ini", 0, -1, 0, 2},
      {"MP4 of edition 1 has no entries", ofMP4, Dir / "c.ini", 0, -1, 0, 2},
      {"no preset remembered: the first device", of3GP, "", 0, 0, 0, 2},
      {"not a device target", ofAVI, Dir / "e.ini", 1, -1, 1, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Title);
    ASSERT_TRUE(Menus.Load(Dir.Path(), 1));  // the delivered edition: 3GP rows only
    Menus.ApplyDevicePreset("");
    GlobalVars.TgpiPodPSPProfileFileName = c.File;
    GlobalVars.TGPMenuIndex = c.Target == ofMP4 ? 0 : c.Index;
    GlobalVars.MP4MenuIndex = c.Target == ofMP4 ? c.Index : 0;
    Menus.RestoreDeviceChoice(c.Target);
    TDeviceGroup group = c.Target == ofMP4 ? dgMP4 : dg3GP;
    EXPECT_EQ(Menus.CheckedEntry(group), c.Checked);
    EXPECT_EQ(Menus.SelectedRow(), c.Checked);
    EXPECT_EQ(c.Target == ofMP4 ? GlobalVars.MP4MenuIndex : GlobalVars.TGPMenuIndex, c.IndexAfter);
    EXPECT_EQ(Menus.Items().size(), c.Items);
    EXPECT_EQ(Menus.ItemIndex(), c.Items > 0 ? 0 : -1);
  }
}

// After a language change the remembered preset is a file of the old
// language's tree: the same file of the current tree is chosen, so the box
// shows its items and a batch converts with it.
TEST_F(DeviceMenusTest, RestoreTakesTheSameFileOfTheCurrentTree) {
  TTempDir other;  // the tree of the language chosen before
  WriteFileText(other / "a.ini", "[Info]\nTitleE=Phone 3GPP with iPod\n[Item1]\nTitleE=old 1\n");
  WriteFileText(other / "e.ini", "[Info]\nTitleE=3GP2 phone\n[Item1]\nTitleE=old 1\n");
  struct TCase {
    const char* File;
    int Index;
    int Checked;
    std::vector<std::string> Items;
  } cases[] = {
      {"e.ini", 1, 1, {"3GP2 phone 1", "3GP2 phone 2", "3GP2 phone 3"}},
      {"e.ini", 0, 1, {"3GP2 phone 1", "3GP2 phone 2", "3GP2 phone 3"}},  // index of another preset
      {"a.ini", 0, 0, {"Phone 3GPP with iPod 1", "Phone 3GPP with iPod 2"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.File) + " at " + std::to_string(c.Index));
    ASSERT_TRUE(Menus.Load(Dir.Path(), 1));
    GlobalVars.TgpiPodPSPProfileFileName = other / c.File;
    GlobalVars.TGPMenuIndex = c.Index;
    Menus.RestoreDeviceChoice(of3GP);
    EXPECT_EQ(Menus.CheckedEntry(dg3GP), c.Checked);
    EXPECT_EQ(Menus.SelectedRow(), c.Checked);
    EXPECT_EQ(Items(), c.Items);
    EXPECT_EQ(GlobalVars.TgpiPodPSPProfileFileName, Dir / c.File);
    EXPECT_EQ(GlobalVars.TGPMenuIndex, c.Checked);
    ASSERT_EQ(Menus.ItemIndex(), 0);
    EXPECT_EQ(Menus.Items()[0].FileName, Dir / c.File);
  }
}
