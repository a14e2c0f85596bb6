// SPDX-License-Identifier: GPL-3.0-or-later
// The six audio-only editors.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>

#include "app/GlobalVars.h"
#include "editors/EditorTesting.h"
#include "profiles/ProfileSettings.h"
#include "support/RecordingDialogs.h"

namespace {

void Pick(QComboBox* list, Qt::Key key) {
  list->setFocus();
  QTest::keyClick(list, key);
}

TEST(AudioEditors, HaveNoVideoSide) {
  for (int format : {ofAAC, ofAC3, ofMP2, ofMP3, ofAMR, ofWAV}) {
    ResetAllProfileSettings();
    DefaultProfile(format);
    std::unique_ptr<TProfileEditor> editor = OpenEditor(format);
    EXPECT_EQ(editor->findChild<QWidget*>("TabSheetVideo"), nullptr) << format;
    EXPECT_EQ(editor->findChild<QWidget*>("CheckBoxDisableAudio"), nullptr) << format;
    EXPECT_EQ(editor->findChild<QWidget*>("CheckBoxSameQuality"), nullptr) << format;
    EXPECT_TRUE(TabShown(*editor, "TabSheetAudio")) << format;
  }
}

TEST(Ac3Editor, SixChannelsThenStereoAt22050) {
  ResetAllProfileSettings();
  DefaultAc3Settings();
  Ac3Settings.AudioSampleRateAC3 = 0;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(ofAC3);
  auto* bar = Child<QSlider>(editor.get(), "TrackBarAudioBitrateAC3");
  auto* channels = Child<QComboBox>(editor.get(), "ComboBoxAudioChannelsAC3");
  // 384 stored: the bar stops at 320 at 22050 and stands at its end, but the
  // stored bitrate is what the label shows and a save writes.
  EXPECT_EQ(bar->maximum(), 12);
  EXPECT_EQ(bar->value(), 12);
  EXPECT_EQ(Child<QLabel>(editor.get(), "LabelAudioBitrateAC3")->text(), "384");
  Child<QTabWidget>(editor.get(), "PageControlOptions")
      ->setCurrentWidget(Child<QWidget>(editor.get(), "TabSheetAudio"));
  Pick(channels, Qt::Key_End);
  EXPECT_TRUE(Child<QWidget>(editor.get(), "GroupBoxSampleRateAC3_6Channels")->isVisible());
  EXPECT_EQ(bar->minimum(), 6);
  EXPECT_EQ(bar->maximum(), 14);
  QTest::keyClick(bar, Qt::Key_End);
  EXPECT_EQ(Child<QLabel>(editor.get(), "LabelAudioBitrateAC3")->text(), "448");
  QTest::keyClick(channels, Qt::Key_Up);  // stereo, 22050 again
  EXPECT_EQ(bar->minimum(), 1);
  EXPECT_EQ(bar->maximum(), 12);
  EXPECT_EQ(Child<QLabel>(editor.get(), "LabelAudioBitrateAC3")->text(), "320");
}

TEST(Mp2Editor, At24000A384IsKeptUntilTheUserPicksARate) {
  ResetAllProfileSettings();
  DefaultMp2Settings();
  Mp2Settings.AudioSampleRateMp2 = 1;
  Mp2Settings.AudioBitRatePresetMp2 = 384;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(ofMP2);
  EXPECT_EQ(Child<QSlider>(editor.get(), "TrackBarAudioBitrateMp2")->value(), 8);  // 160
  EXPECT_EQ(Child<QLabel>(editor.get(), "LabelAudioBitrateMp2")->text(), "384");
  editor->SaveControls();
  EXPECT_EQ(Mp2Settings.AudioBitRatePresetMp2, 384);
  Child<QTabWidget>(editor.get(), "PageControlOptions")
      ->setCurrentWidget(Child<QWidget>(editor.get(), "TabSheetAudio"));
  Pick(Child<QComboBox>(editor.get(), "ComboBoxSampleRateMp2"), Qt::Key_Home);  // 22050
  EXPECT_EQ(Child<QLabel>(editor.get(), "LabelAudioBitrateMp2")->text(), "160");
  editor->SaveControls();
  EXPECT_EQ(Mp2Settings.AudioBitRatePresetMp2, 160);
}

TEST(Mp3Editor, AutoBitrateStillSavesTheTrackBar) {
  ResetAllProfileSettings();
  DefaultMp3Settings();
  std::unique_ptr<TProfileEditor> editor = OpenEditor(ofMP3);
  auto* bar = Child<QSlider>(editor.get(), "TrackBarAudioBitrateMp3");
  QTest::keyClick(bar, Qt::Key_End);
  Child<QCheckBox>(editor.get(), "CheckBoxAutoSetAudioBitrateMp3")->click();
  EXPECT_FALSE(bar->isEnabled());
  EXPECT_FALSE(Child<QLabel>(editor.get(), "LabelAudioBitrateMp3")->isEnabled());
  editor->SaveControls();
  EXPECT_TRUE(Mp3Settings.AudioBitRateUseAutoSetMp3);
  EXPECT_EQ(Mp3Settings.AudioBitRatePresetMp3, 320);
}

TEST(AmrEditor, MonoOnlyAndTheAdvisoryOnlyOnPicking) {
  ResetAllProfileSettings();
  DefaultAmrSettings();
  AmrSettings.AudioCodec = 1;
  TRecordingDialogs dialogs;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(ofAMR);
  EXPECT_TRUE(dialogs.Messages.empty());
  for (const char* name : {"ComboBoxAudioChannelsArmnb", "ComboBoxAudioChannelsArmwb"}) {
    auto* channels = Child<QComboBox>(editor.get(), name);
    ASSERT_EQ(channels->count(), 1);
    EXPECT_EQ(channels->itemText(0), "1 (mono)");
  }
  auto* codec = Child<QComboBox>(editor.get(), "ComboBoxAudioCodec");
  Pick(codec, Qt::Key_Home);
  EXPECT_TRUE(dialogs.Messages.empty());
  QTest::keyClick(codec, Qt::Key_Down);
  ASSERT_EQ(dialogs.Messages.size(), 1u);
  EXPECT_EQ(dialogs.Messages[0].Caption, "AMR-WB Audio Codec selected");
  auto* rates = Child<QComboBox>(editor.get(), "ComboBoxSampleRateArmwb");
  ASSERT_EQ(rates->count(), 1);
  EXPECT_EQ(rates->itemText(0), "16000");
}

TEST(WavEditor, NothingAboutABitrate) {
  ResetAllProfileSettings();
  DefaultWavSettings();
  std::unique_ptr<TProfileEditor> editor = OpenEditor(ofWAV);
  EXPECT_TRUE(editor->findChildren<QSlider*>().isEmpty());
  for (QGroupBox* group : editor->findChildren<QGroupBox*>())
    EXPECT_FALSE(group->objectName().contains("Bitrate")) << group->objectName().toStdString();
  Pick(Child<QComboBox>(editor.get(), "ComboBoxAudioCodec"), Qt::Key_Down);
  auto* rates = Child<QComboBox>(editor.get(), "ComboBoxSampleRatePcmu8");
  EXPECT_TRUE(rates->isVisible() || !Child<QWidget>(editor.get(), "TabSheetAudio")->isVisible());
  EXPECT_EQ(rates->count(), 8);
  Pick(rates, Qt::Key_Home);
  Pick(Child<QComboBox>(editor.get(), "ComboBoxAudioChannelsPcmu8"), Qt::Key_Home);
  editor->SaveControls();
  EXPECT_EQ(WavSettings.AudioCodec, 1);
  EXPECT_EQ(WavSettings.AudioSampleRatePcmu8, 0);
  EXPECT_EQ(WavSettings.AudioChannelsPcmu8, 0);
  EXPECT_EQ(WavSettings.AudioSampleRatePcm16le, 6);
}

}  // namespace
