// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's profile side: device list and menus, profile boxes and
// the profile menu.
#include <QComboBox>
#include <QMenu>
#include <QTreeWidget>

#include "MainTesting.h"

TEST_F(MainWindowTest, TheDeviceListChoosesTheTargetAndItsEntry) {
  TfrmMain& w = Open();  // first start: AVI
  auto* devices = Child<QTreeWidget>("ListViewFormats");
  ASSERT_EQ(devices->topLevelItemCount(), 3);  // the delivered edition offers the 3GP presets
  QTreeWidgetItem* row = devices->topLevelItem(1);
  devices->setCurrentItem(row);
  emit devices->itemClicked(row, 0);
  EXPECT_EQ(GlobalVars.OutputFormat, of3GP);
  auto* box = Child<QComboBox>("ComboBoxProfile");
  EXPECT_TRUE(box->isVisible());
  EXPECT_GT(box->count(), 0);
  EXPECT_EQ(box->currentIndex(), 0);
  const TDeviceEntry& entry = w.Store().Devices().Entries()[1];
  EXPECT_EQ(GlobalVars.TgpiPodPSPProfileFileName, entry.FileName);
  EXPECT_EQ(GlobalVars.TGPMenuIndex, entry.Position);
  QMenu* menu = w.Menu("PopupMenu3GP");
  ASSERT_EQ(menu->actions().size(), 3);
  EXPECT_TRUE(menu->actions()[1]->isChecked());
  EXPECT_FALSE(menu->actions()[0]->isChecked());
  // Choosing from the menu selects the row too.
  menu->actions()[2]->trigger();
  EXPECT_EQ(devices->currentItem(), devices->topLevelItem(2));
  // The choice the batch gets: the preset file and its first item.
  TProfileChoice choice = w.Store().CurrentChoice(of3GP);
  EXPECT_EQ(choice.DevicePresetFile, w.Store().Devices().Entries()[2].FileName);
  EXPECT_EQ(choice.DeviceSection, "Item1");
}

TEST_F(MainWindowTest, TheProfileMenuFollowsTheTarget) {
  TfrmMain& w = Open();
  QMenu* menu = w.Menu("PopupMenuProfile");
  for (int f : {ofAVI, of3GP, ofMP3, ofMP4, ofVOB}) {
    w.SelectTarget(f);
    bool device = f == ofMP4 || f == of3GP;
    for (QAction* a : menu->actions()) {
      if (!a->isSeparator()) {
        EXPECT_EQ(a->isEnabled(), !device) << a->objectName().toStdString() << " " << f;
      }
    }
    EXPECT_EQ(w.Action("ActionEditProfile")->isEnabled(), !device);
  }
  // The boxes list the shipped profiles, the everyday one first.
  w.SelectTarget(ofMP3);
  auto* mp3 = Child<QComboBox>("ComboBoxMp3Profile");
  EXPECT_EQ(mp3->currentText(), "Standard");
  EXPECT_EQ(mp3->count(), 2);
}
