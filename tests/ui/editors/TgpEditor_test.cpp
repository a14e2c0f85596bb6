// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>

#include "app/GlobalVars.h"
#include "editors/EditorTesting.h"
#include "editors/TgpProfile.h"
#include "profiles/ProfileSettings.h"
#include "support/ProfileSnapshot.h"
#include "support/RecordingDialogs.h"

namespace {

class TgpEditorTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetAllProfileSettings();
    DefaultTGPSettings();
  }
  TRecordingDialogs Dialogs_;
};

void Retype(QSpinBox* edit, const char* text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

TEST_F(TgpEditorTest, IsTheTgpForm) {
  std::unique_ptr<TProfileEditor> editor = OpenEditor(of3GP);
  EXPECT_NE(qobject_cast<TfrmTGPProfile*>(editor.get()), nullptr);
  EXPECT_EQ(editor->windowTitle(), "3GP Profile Editor");
  EXPECT_EQ(Child<QLabel>(editor.get(), "LabelTitleDivX")->text(), "Divx format properties");
}

TEST_F(TgpEditorTest, SizeListFollowsTheEditsAndOtherKeepsThem) {
  TGPSettings.VideoCodecNokia = 1;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(of3GP);
  Child<QTabWidget>(editor.get(), "PageControlOptions")
      ->setCurrentWidget(Child<QWidget>(editor.get(), "TabSheetVideo"));
  auto* sizes = Child<QComboBox>(editor.get(), "ComboBoxVideoSizeDivX");
  auto* width = Child<QSpinBox>(editor.get(), "EditVideoWidthDivX");
  auto* height = Child<QSpinBox>(editor.get(), "EditVideoHeightDivX");
  EXPECT_EQ(sizes->currentText(), "176x144");

  sizes->setFocus();
  QTest::keyClick(sizes, Qt::Key_End);  // "..."
  EXPECT_EQ(sizes->currentText(), "...");
  EXPECT_EQ(width->value(), 176);
  EXPECT_EQ(height->value(), 144);

  Retype(width, "352");
  Retype(height, "288");
  EXPECT_EQ(sizes->currentText(), "352x288");

  Retype(width, "301");
  QTest::keyClick(width, Qt::Key_Tab);  // leaving the width makes it even
  EXPECT_TRUE(height->hasFocus());
  EXPECT_EQ(width->value(), 302);
  EXPECT_EQ(sizes->currentText(), "...");

  QTest::keyClick(sizes, Qt::Key_Home);
  EXPECT_EQ(width->value(), 128);
  EXPECT_EQ(height->value(), 96);
  Child<QPushButton>(editor.get(), "btnSave")->click();
  editor->SaveControls();
  EXPECT_EQ(TGPSettings.VideoWidthDivX, 128);
  EXPECT_EQ(TGPSettings.VideoHeightDivX, 96);
}

TEST_F(TgpEditorTest, DisableAudioHidesTheAudioTabAndKeepsTheAudioSettings) {
  TGPSettings.AudioBitRatePresetArmnb = 10;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(of3GP);
  EXPECT_TRUE(TabShown(*editor, "TabSheetAudio"));
  Child<QCheckBox>(editor.get(), "CheckBoxDisableAudio")->click();
  EXPECT_FALSE(TabShown(*editor, "TabSheetAudio"));
  EXPECT_TRUE(TabShown(*editor, "TabSheetVideo"));
  EXPECT_FALSE(Child<QComboBox>(editor.get(), "ComboBoxAudioCodeNokia")->isEnabled());
  EXPECT_FALSE(Child<QWidget>(editor.get(), "GroupBoxAudioCodeSony")->isEnabled());
  editor->SaveControls();
  EXPECT_TRUE(TGPSettings.AudioDisableAudio);
  EXPECT_EQ(TGPSettings.AudioBitRatePresetArmnb, 10);
}

TEST_F(TgpEditorTest, AdvisoriesOnPickingButNotOnLoading) {
  TGPSettings.VideoCodecNokia = 1;
  TGPSettings.AudioCodecNokia = 1;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(of3GP);
  EXPECT_TRUE(Dialogs_.Messages.empty());

  auto* audio = Child<QComboBox>(editor.get(), "ComboBoxAudioCodeNokia");
  audio->setFocus();
  QTest::keyClick(audio, Qt::Key_Down);  // AAC
  ASSERT_EQ(Dialogs_.Messages.size(), 1u);
  EXPECT_EQ(Dialogs_.Messages[0].Caption, "AAC Audio Codec selected");
  EXPECT_EQ(Child<QStackedWidget>(editor.get(), "PageControlACodec")->currentWidget()->objectName(),
            "TabSheetAAC");
  QTest::keyClick(audio, Qt::Key_Home);  // AMR-NB: no advisory
  EXPECT_EQ(Dialogs_.Messages.size(), 1u);

  // The Sony lists warn about nothing.
  auto* type = Child<QComboBox>(editor.get(), "ComboBox3GPFormat");
  type->setFocus();
  QTest::keyClick(type, Qt::Key_Down);
  EXPECT_TRUE(Child<QWidget>(editor.get(), "GroupBoxVideoCodeSony")->isVisible());
  EXPECT_FALSE(Child<QWidget>(editor.get(), "GroupBoxVideoCodeNokia")->isVisible());
  auto* sony = Child<QComboBox>(editor.get(), "ComboBoxVideoCodecSony");
  sony->setFocus();
  QTest::keyClick(sony, Qt::Key_Down);
  EXPECT_EQ(Dialogs_.Messages.size(), 1u);
  EXPECT_EQ(Child<QStackedWidget>(editor.get(), "PageControlVCodec")->currentWidget()->objectName(),
            "TabSheetXviD");
}

struct TEnterCase {
  const char* Typed;
  const char* WantSaved;
};

TEST_F(TgpEditorTest, EnterLeavesTheTimeFieldAndSaves) {
  for (const TEnterCase& c : {TEnterCase{"abc", "0:00:10.000"}, TEnterCase{"1:2", "0:01:02.000"}}) {
    TGPSettings.EnableTimeControl = true;
    TGPSettings.StartTime = "0:00:10.000";
    std::unique_ptr<TProfileEditor> editor = OpenEditor(of3GP);
    auto* start = Child<QLineEdit>(editor.get(), "EditStartTime");
    start->setFocus();
    start->selectAll();
    QTest::keyClicks(start, c.Typed);
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_EQ(editor->result(), QDialog::Accepted) << c.Typed;
    EXPECT_EQ(start->text(), c.WantSaved);
    editor->SaveControls();
    EXPECT_EQ(TGPSettings.StartTime, c.WantSaved);
  }
}

TEST_F(TgpEditorTest, DefaultsComeBackThroughTheControls) {
  const TProfileValues want = DefaultsAsAnEditorSavesThem(of3GP);
  std::unique_ptr<TProfileEditor> editor = OpenEditor(of3GP);
  ScrambleProfile(of3GP);
  editor->SaveControls();
  EXPECT_EQ(ProfileSnapshot(of3GP), want);
}

TEST_F(TgpEditorTest, AnH263SizeOffTheThreeShowsAndSavesTheLargest) {
  TGPSettings.VideoWidthH263 = 320;
  TGPSettings.VideoHeightH263 = 240;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(of3GP);
  EXPECT_TRUE(Child<QRadioButton>(editor.get(), "RadioButtonVideoSize352_288H263")->isChecked());
  editor->SaveControls();
  EXPECT_EQ(TGPSettings.VideoWidthH263, 352);
  EXPECT_EQ(TGPSettings.VideoHeightH263, 288);
}

TEST_F(TgpEditorTest, AacBitrateBeyondTheRateIsKeptUntilTheUserPicksARate) {
  TGPSettings.AudioCodecNokia = 2;
  TGPSettings.AudioSampleRateAACMp4 = 0;  // 11025
  TGPSettings.AudioBitRatePresetAACMp4 = 128;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(of3GP);
  auto* bar = Child<QSlider>(editor.get(), "TrackBarAudioBitrateAACMp4");
  EXPECT_EQ(bar->maximum(), 5);
  EXPECT_EQ(bar->value(), 5);
  EXPECT_EQ(Child<QLabel>(editor.get(), "LabelAudioBitrateAACMp4")->text(), "128");
  auto* rate = Child<QComboBox>(editor.get(), "ComboBoxSampleRateAACMp4");
  Child<QTabWidget>(editor.get(), "PageControlOptions")
      ->setCurrentWidget(Child<QWidget>(editor.get(), "TabSheetAudio"));
  rate->setFocus();
  QTest::keyClick(rate, Qt::Key_Down);  // 12000: the range cannot hold 128
  EXPECT_EQ(Child<QLabel>(editor.get(), "LabelAudioBitrateAACMp4")->text(), "64");
  QTest::keyClick(rate, Qt::Key_End);  // 48000
  EXPECT_EQ(Child<QSlider>(editor.get(), "TrackBarAudioBitrateAACMp4")->maximum(), 12);
  editor->SaveControls();
  EXPECT_EQ(TGPSettings.AudioBitRatePresetAACMp4, 64);
  EXPECT_EQ(TGPSettings.AudioSampleRateAACMp4, 7);
}

}  // namespace
