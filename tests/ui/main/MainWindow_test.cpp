// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's shell: start-up, targets, languages, menus, closing.
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

#include "MainTesting.h"
#include "app/ActionTable.h"
#include "app/Settings.h"
#include "base/FileNames.h"
#include "base/IniFile.h"
#include "store/DevicePresets.h"
#include "store/TargetTable.h"
#include "toolkit/ImageButton.h"

// The very first start converts to what the window shows: 3GP with the
// first entry of its device list, as every later start does.
TEST_F(MainWindowTest, FirstStartWritesTheSettingsCentresAndTargets3gpWithItsFirstDevice) {
  TfrmMain& w = Open();
  EXPECT_TRUE(FileExists(Home / "info.ini"));
  EXPECT_EQ(GlobalVars.OutputFormat, of3GP);
  QRect screen = w.screen()->availableGeometry();
  EXPECT_EQ(w.x(), screen.left() + (screen.width() - w.width()) / 2);
  EXPECT_EQ(w.y(), screen.top() + (screen.height() - w.height()) / 2);
  EXPECT_EQ(w.size(), QSize(754, 571));
  auto* device = Child<QComboBox>("ComboBoxProfile");
  EXPECT_TRUE(device->isVisible());
  EXPECT_GT(device->count(), 0);
  EXPECT_FALSE(Child<QComboBox>("ComboBoxAviProfile")->isVisible());
  auto* formats = Child<QTreeWidget>("ListViewFormats");
  ASSERT_EQ(formats->selectedItems().size(), 1);
  EXPECT_EQ(formats->indexOfTopLevelItem(formats->selectedItems().front()), 0);
  // What Convert would convert with is that device's preset.
  const TProfileChoice choice = w.Store().CurrentChoice(GlobalVars.OutputFormat);
  EXPECT_EQ(choice.DevicePresetFile, w.Store().Devices().Entries().front().FileName);
  EXPECT_FALSE(choice.DeviceSection.empty());
}

TEST_F(MainWindowTest, LaterStartsTarget3gpWithADeviceAndTheStoredPlace) {
  WriteFileText(Home / "info.ini", "[System]\nLastOutputOpenDir=/videos/out\n[Form]\nx=40\ny=30\n");
  TfrmMain& w = Open();
  EXPECT_EQ(GlobalVars.OutputFormat, of3GP);
  EXPECT_EQ(w.pos(), QPoint(40, 30));
  EXPECT_EQ(Child<QLineEdit>("editOutputFileName")->text(), "/videos/out");
  auto* device = Child<QComboBox>("ComboBoxProfile");
  EXPECT_TRUE(device->isVisible());
  EXPECT_GT(device->count(), 0);
  EXPECT_FALSE(Child<QTreeWidget>("ListViewFormats")->selectedItems().isEmpty());
}

TEST_F(MainWindowTest, ControlsSitWhereTheSkinPutsThemAfterTheShifts) {
  TfrmMain& w = Open();
  const TSkinLayout& s = w.Skin();
  auto at = [&](const char* name) { return Child<QWidget>(name)->geometry(); };
  EXPECT_EQ(at("ListViewFiles").topLeft(), QPoint(s.ListViewFiles.Left, s.ListViewFiles.Top - 80));
  EXPECT_EQ(at("editOutputFileName").top(), s.EditOutputFileName.Top - 80);
  for (int n = 1; n <= 5; ++n)
    EXPECT_EQ(at(QStringLiteral("MainButton%1").arg(n).toLatin1()).top(), s.MainButtons[static_cast<size_t>(n - 1)].Bounds.Top - 80);
  EXPECT_EQ(at("MainButton6").top(), s.MainButtons[5].Bounds.Top - 79);
  EXPECT_EQ(at("MainButton9").top(), s.MainButtons[8].Bounds.Top - 110);
  QRect list = at("ListViewFiles"), formats = at("ListViewFormats");
  EXPECT_EQ(formats, QRect(list.left(), list.top() + 125, list.width(), list.height() - 10));
  // The toolbar, its separators, Edit Profile and the profile menu are hidden.
  for (const char* hidden : {"ToolbarButton1", "ToolbarButton11", "ToolbarImageLine2", "MainButton7", "MainButton8"})
    EXPECT_FALSE(Child<QWidget>(hidden)->isVisible()) << hidden;
  // The version stands 4 pixels right of the title.
  EXPECT_EQ(at("Label2").left(), at("Label1").right() + 1 + 4);
}

TEST_F(MainWindowTest, SelectTargetForEveryTargetAndTheConvertToMenu) {
  TfrmMain& w = Open();
  QMenu* convertTo = w.Menu("ConvertToMI");
  ASSERT_NE(convertTo, nullptr);
  for (int f = 0; f < kOutputFormatCount; ++f) {
    SCOPED_TRACE(f);
    w.SelectTarget(f);
    EXPECT_EQ(GlobalVars.OutputFormat, f);
    for (const TActionState& s : TargetActionStates(f)) {
      QAction* a = w.Action(s.Name);
      EXPECT_EQ(a->isEnabled(), s.Enabled) << s.Name;
      if (a->isCheckable()) {
        EXPECT_EQ(a->isChecked(), s.Checked) << s.Name;
      }
    }
    const QList<QAction*> entries = convertTo->actions();
    ASSERT_EQ(entries.size(), kOutputFormatCount);
    for (int e = 0; e < kOutputFormatCount; ++e) EXPECT_EQ(entries[e]->isChecked(), e == f);
    for (const TTargetInfo& t : Targets) {
      auto* box = Child<QComboBox>(std::string(t.FrontBoxName).c_str());
      if (t.Format == f) {
        EXPECT_TRUE(box->isVisible());
      }
    }
  }
  // Choosing an entry of "Convert to" makes it the target.
  convertTo->actions()[ofMP3]->trigger();
  EXPECT_EQ(GlobalVars.OutputFormat, ofMP3);
  // All three menus that hold it.
  for (const char* menu : {"PopupMenuListViewNoFile", "PopupMenuListViewHaveFile", "PopupMenuHelp"})
    EXPECT_TRUE(w.Menu(menu)->actions().contains(convertTo->menuAction())) << menu;
}

// A device chosen before a language change is the same preset of the new
// language's profile tree after the restart: its row selected, its items in
// the box, and its file what a batch converts with.
TEST_F(MainWindowTest, DeviceChoiceFollowsALanguageChangeAcrossARestart) {
  TfrmMain& w = Open();
  auto* formats = Child<QTreeWidget>("ListViewFormats");
  ASSERT_GE(formats->topLevelItemCount(), 2);
  formats->setCurrentItem(formats->topLevelItem(1));
  const std::string chosen = GlobalVars.TgpiPodPSPProfileFileName;
  ASSERT_NE(chosen.find("/profile_en/"), std::string::npos) << chosen;
  for (QAction* a : w.findChild<QMenu*>("LanguagesMI")->actions())
    if (a->text() == "DEUTSCH") a->trigger();
  ASSERT_EQ(GlobalVars.LanguageFile, "DEUTSCH.ini");
  w.close();

  TfrmMain& again = Open();
  const std::string expected = GlobalVars.ProfileRoot + "default_setting/" + FileNamePart(chosen);
  ASSERT_NE(expected.find("/profile_de/"), std::string::npos) << expected;
  formats = Child<QTreeWidget>("ListViewFormats");
  ASSERT_EQ(formats->selectedItems().size(), 1);
  EXPECT_EQ(formats->indexOfTopLevelItem(formats->selectedItems().front()), 1);
  auto* device = Child<QComboBox>("ComboBoxProfile");
  const std::vector<TProfileDetailItem> items = PresetItems(expected);
  ASSERT_EQ(device->count(), static_cast<int>(items.size()));
  for (int i = 0; i < device->count(); ++i) EXPECT_EQ(device->itemText(i), Q(items[static_cast<size_t>(i)].Title));
  EXPECT_EQ(again.Store().CurrentChoice(GlobalVars.OutputFormat).DevicePresetFile, expected);
  EXPECT_EQ(GlobalVars.TgpiPodPSPProfileFileName, expected);
}

TEST_F(MainWindowTest, SwitchingLanguageAndBack) {
  TfrmMain& w = Open();
  auto entry = [&](const char* caption) -> QAction* {
    for (QAction* a : w.findChild<QMenu*>("LanguagesMI")->actions())
      if (a->text() == caption) return a;
    return nullptr;
  };
  ASSERT_NE(entry("FRENCH"), nullptr);
  entry("FRENCH")->trigger();
  EXPECT_EQ(GlobalVars.LanguageFile, "FRENCH.ini");
  EXPECT_EQ(w.Action("ActionConvert")->text(), "Convertir");
  EXPECT_TRUE(entry("FRENCH")->isChecked());
  EXPECT_EQ(Child<QLabel>("Label3")->text(), Q(ResStr(MSG_INPUTFILENAME)));
  entry("ENGLISH")->trigger();
  EXPECT_EQ(w.Action("ActionConvert")->text(), "Convert");
  EXPECT_EQ(GlobalVars.LanguageFile, "ENGLISH.ini");
  // A language without its type file: the message, and the program ends.
  std::filesystem::remove(Home / "skin/kvo/lang/type_deutsch.dat");
  const std::string settingsBefore = ReadFileText(SettingsFilePath());
  QEventLoop running;
  QTimer::singleShot(0, [&] { entry("DEUTSCH")->trigger(); });
  EXPECT_EQ(running.exec(), 1);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Caption, ResStr(MSG_NO_DAT_FILE_TITLE));
  // It names the file as it ships, not in the capitals of the menu entry.
  EXPECT_NE(Dialogs.Messages[0].Text.find("/type_deutsch.dat"), std::string::npos)
      << Dialogs.Messages[0].Text;
  // It ends without saving: the settings stay as they were.
  w.close();
  EXPECT_EQ(ReadFileText(SettingsFilePath()), settingsBefore);
}

TEST_F(MainWindowTest, ASettingsWriteThatFailsIsAMessageAndTheProgramGoesOn) {
  TfrmMain& w = Open();
  std::filesystem::remove(Home / "info.ini");
  std::filesystem::create_directory(Home / "info.ini");  // nothing can be written there now
  w.Action("ActionOutputBrowse")->trigger();             // writes LastOutputOpenDir at once
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Caption, "Error");
  EXPECT_NE(Dialogs.Messages[0].Text.find("info.ini"), std::string::npos);
  // Still usable: another action works, and closing says the same once more.
  w.SelectTarget(ofWAV);
  EXPECT_EQ(GlobalVars.OutputFormat, ofWAV);
  w.close();
  EXPECT_GE(Dialogs.Messages.size(), 2u);
}

TEST_F(MainWindowTest, ClosingSavesSettingsAndPlace) {
  TfrmMain& w = Open();
  w.move(123, 77);
  GlobalVars.Priority = 3;
  w.close();
  TIniFile ini(Home / "info.ini");
  EXPECT_EQ(ini.ReadInteger("System", "Priority", 0), 3);
  EXPECT_EQ(ini.ReadInteger("Form", "x", 0), 123);
  EXPECT_EQ(ini.ReadInteger("Form", "y", 0), 77);
}

TEST_F(MainWindowTest, ActionsHaveTheirCaptionsAndShortcuts) {
  TfrmMain& w = Open();
  for (const TActionInfo& info : MainActions()) {
    QAction* a = w.Action(info.Name);
    ASSERT_NE(a, nullptr) << info.Name;
    EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(info.Shortcut.data(), info.Shortcut.size())));
  }
  EXPECT_EQ(w.Action("ActionEditProfile")->text(), "   Edit Profile");
  EXPECT_EQ(w.Action("ActionToAVI")->text(), "\r\r\r\rTo AVI");
  // Buttons show the captions and the states of their actions.
  auto* convert = Child<TImageButton>("MainButton9");
  EXPECT_EQ(convert->DrawnCaption(), "Convert");
  EXPECT_TRUE(convert->CaptionFits());
  w.Action("ActionConvert")->setEnabled(false);
  EXPECT_FALSE(convert->isEnabled());
}

TEST_F(MainWindowTest, ExitEndsWithoutSavingAnything) {
  TfrmMain& w = Open();
  std::string before = ReadFileText(Home / "info.ini");
  GlobalVars.Priority = 0;
  w.move(5, 5);
  w.Action("ActionExit")->trigger();
  w.close();
  EXPECT_EQ(ReadFileText(Home / "info.ini"), before);
}

TEST_F(MainWindowTest, TheSkinChoosesTheColourScheme) {
  {
    TfrmMain& w = Open();
    EXPECT_EQ(w.property("colorScheme").toString(), "kvoskin (internal)");
    Window.reset();
  }
  WriteFileText(Home / "skin/kvo/skin/skin.ini", "[MAINFORM]\nDefaultSkin=0\n");
  TfrmMain& w = Open();
  EXPECT_EQ(w.property("colorScheme").toString(), "zqvskin (internal)");
  // No pictures, the built-in places: the window still works.
  EXPECT_EQ(w.size(), QSize(754, 571));
  EXPECT_EQ(Child<QWidget>("ListViewFiles")->geometry().topLeft(), QPoint(120, 40));
}

// The window's captions and the media panel's show their texts as they are
// (a text or a name is never taken for markup); only the panel's link is one.
TEST_F(MainWindowTest, LabelsShowTheirTextsAsTheyAre) {
  TfrmMain& w = Open();
  int labels = 0;
  for (QLabel* label : w.findChildren<QLabel*>()) {
    if (label->objectName() == "Label26" || label->objectName().startsWith("ToolbarImageLine") ||
        label->objectName() == "ImageMain")
      continue;
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    ++labels;
  }
  EXPECT_GE(labels, 26);
}
