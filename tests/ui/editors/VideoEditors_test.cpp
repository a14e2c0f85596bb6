// SPDX-License-Identifier: GPL-3.0-or-later
// The video editors other than 3GP: their blocks, lists and MPEG's presets.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include "app/GlobalVars.h"
#include "editors/EditorTesting.h"
#include "profiles/ProfileSettings.h"
#include "support/RecordingDialogs.h"

namespace {

std::unique_ptr<TProfileEditor> OpenDefault(int format) {
  ResetAllProfileSettings();
  DefaultProfile(format);
  return OpenEditor(format);
}

void Pick(QComboBox* list, Qt::Key key) {
  list->setFocus();
  QTest::keyClick(list, key);
}

TEST(AviEditor, UncompressedPagesOfferEightRates) {
  ResetAllProfileSettings();
  DefaultAVISettings();
  AVISettings.AudioCodec = 2;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(ofAVI);
  auto* rates = Child<QComboBox>(editor.get(), "ComboBoxSampleRatePcm16le");
  EXPECT_EQ(rates->count(), 8);
  EXPECT_EQ(editor->findChild<QSlider*>("TrackBarAudioBitratePcm16le"), nullptr);
  Pick(rates, Qt::Key_End);
  EXPECT_EQ(rates->currentText(), "48000");
  editor->SaveControls();
  EXPECT_EQ(AVISettings.AudioSampleRatePcm16le, 7);
}

struct TLadderEndCase {
  int Format;
  const char* Suffix;  // of the object names
  const char* WantTop;
  int WantMax;
};

TEST(VideoEditors, TrackBarAndConfigureStopAtTheLadderTop) {
  const TLadderEndCase cases[] = {{ofWMV, "Wmv8", "6000", 12},
                                  {ofASF, "Msmpeg4", "6000", 12},
                                  {ofSWF, "Flv", "3600", 11},
                                  {ofRM, "Rm10", "9600", 13}};
  for (const TLadderEndCase& c : cases) {
    TRecordingDialogs dialogs;
    std::unique_ptr<TProfileEditor> editor = OpenDefault(c.Format);
    const std::string s = c.Suffix;
    auto* bar = Child<QSlider>(editor.get(), ("TrackBarVideoBitrate" + s).c_str());
    EXPECT_EQ(bar->maximum(), c.WantMax);
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(Child<QLabel>(editor.get(), ("LabelBitrate" + s).c_str())->text(), c.WantTop);

    Child<QRadioButton>(editor.get(), ("RadioButtonVideoSpecify" + s).c_str())->click();
    QTimer::singleShot(0, [&c] {
      QWidget* entry = QApplication::activeModalWidget();
      auto* edit = Child<QLineEdit>(entry, "EditValue");
      QTest::keyClicks(edit, std::to_string(std::stoi(c.WantTop) + 1).c_str());
      Child<QPushButton>(entry, "btnOK")->click();
      edit->selectAll();
      QTest::keyClicks(edit, c.WantTop);
      Child<QPushButton>(entry, "btnOK")->click();
    });
    Child<QPushButton>(editor.get(), ("ButtonVideoBitrateConfigure" + s).c_str())->click();
    ASSERT_EQ(dialogs.Messages.size(), 1u) << s;
    EXPECT_NE(dialogs.Messages[0].Text.find("between 64 and " + std::string(c.WantTop)),
              std::string::npos);
    EXPECT_EQ(Child<QLabel>(editor.get(), ("LabelBitrateSpecify" + s).c_str())->text(), c.WantTop);
  }
}

TEST(SwfEditor, Mp3RangeFollowsTheRate) {
  ResetAllProfileSettings();
  DefaultSwfSettings();
  SwfSettings.AudioBitRateUseAutoSetMp3 = false;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(ofSWF);
  auto* rates = Child<QComboBox>(editor.get(), "ComboBoxSampleRateMp3");
  auto* bar = Child<QSlider>(editor.get(), "TrackBarAudioBitrateMp3");
  const int wantMax[] = {8, 8, 12};  // 11025, 22050, 44100
  Pick(rates, Qt::Key_Home);
  for (int i = 0; i < 3; ++i) {
    if (i > 0) QTest::keyClick(rates, Qt::Key_Down);
    EXPECT_EQ(bar->maximum(), wantMax[i]) << i;
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(Child<QLabel>(editor.get(), "LabelAudioBitrateMp3")->text(), i < 2 ? "160" : "320");
  }
}

TEST(VobEditor, SixAc3ChannelsCoverTheRateWithTheFixedOne) {
  ResetAllProfileSettings();
  DefaultVobSettings();
  VobSettings.AudioBitRatePresetAC3 = 32;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(ofVOB);
  auto* channels = Child<QComboBox>(editor.get(), "ComboBoxAudioChannelsAC3");
  auto* bar = Child<QSlider>(editor.get(), "TrackBarAudioBitrateAC3");
  auto* rateGroup = Child<QWidget>(editor.get(), "GroupBoxSampleRateAC3");
  auto* fixedGroup = Child<QWidget>(editor.get(), "GroupBoxSampleRateAC3_6Channels");
  Child<QTabWidget>(editor.get(), "PageControlOptions")
      ->setCurrentWidget(Child<QWidget>(editor.get(), "TabSheetAudio"));
  EXPECT_TRUE(rateGroup->isVisible());
  Pick(channels, Qt::Key_End);  // "6 (5.1 AC3 48000 Hz)"
  EXPECT_TRUE(fixedGroup->isVisible());
  EXPECT_FALSE(rateGroup->isVisible());
  EXPECT_EQ(Child<QLabel>(editor.get(), "lab48000kHzAC3")->text(), "48000");
  EXPECT_EQ(bar->minimum(), 6);
  EXPECT_EQ(bar->maximum(), 14);
  EXPECT_EQ(Child<QLabel>(editor.get(), "LabelAudioBitrateAC3")->text(), "112");
  QTest::keyClick(channels, Qt::Key_Up);
  EXPECT_TRUE(rateGroup->isVisible());
  editor->SaveControls();
  EXPECT_EQ(VobSettings.AudioChannelsAC3, 1);
  EXPECT_EQ(VobSettings.AudioBitRatePresetAC3, 112);
}

TEST(VideoEditors, OddSizesStayOnlyInMpeg) {
  struct {
    int Format;
    const char* Width;
    const char* Other;
    int Want;
  } cases[] = {{ofMPEG, "EditVideoWidthMpeg2", "EditVideoHeightMpeg2", 351},
               {ofAVI, "EditVideoWidthDivX", "EditVideoHeightDivX", 352}};
  for (const auto& c : cases) {
    ResetAllProfileSettings();
    DefaultProfile(c.Format);
    AVISettings.VideoSizeUseSourceDivX = false;
    MPEGSettings.VideoSizeUseSourceMpeg2 = false;
    std::unique_ptr<TProfileEditor> editor = OpenEditor(c.Format);
    auto* width = Child<QSpinBox>(editor.get(), c.Width);
    width->setFocus();
    width->selectAll();
    QTest::keyClicks(width, "351");
    Child<QSpinBox>(editor.get(), c.Other)->setFocus();
    EXPECT_EQ(width->value(), c.Want);
  }
}

TEST(Mp4Editor, BracketedSizeWordsWorkBothWays) {
  std::unique_ptr<TProfileEditor> editor = OpenDefault(ofMP4);
  auto* sizes = Child<QComboBox>(editor.get(), "ComboBoxVideoSizeH264");
  auto* width = Child<QSpinBox>(editor.get(), "EditVideoWidthH264");
  auto* height = Child<QSpinBox>(editor.get(), "EditVideoHeightH264");
  const int item = sizes->findText("368x208 (PSP Full Screen)");
  ASSERT_GE(item, 0);
  Pick(sizes, Qt::Key_Home);
  for (int i = 0; i < item; ++i) QTest::keyClick(sizes, Qt::Key_Down);
  EXPECT_EQ(width->value(), 368);
  EXPECT_EQ(height->value(), 208);
  Pick(sizes, Qt::Key_Home);
  width->setFocus();
  width->selectAll();
  QTest::keyClicks(width, "368");
  height->setFocus();
  height->selectAll();
  QTest::keyClicks(height, "208");
  EXPECT_EQ(sizes->currentText(), "368x208 (PSP Full Screen)");
}

struct TMpegTabsCase {
  bool Presets;
  int Type;  // radio button of RadioGroupPresetType
  bool DisableAudio;
  const char* WantTabs;
};

TEST(MpegEditor, TabsFollowThePresetControls) {
  const TMpegTabsCase cases[] = {
      {false, 0, false, "General Video Audio"},
      {false, 2, true, "General Video"},
      {true, 0, false, "General"},
      {true, 1, false, "General"},
      {true, 2, false, "General DVD"},
      {true, 2, true, "General DVD"},
  };
  for (const TMpegTabsCase& c : cases) {
    std::unique_ptr<TProfileEditor> editor = OpenDefault(ofMPEG);
    if (c.DisableAudio) Child<QCheckBox>(editor.get(), "CheckBoxDisableAudio")->click();
    if (c.Presets) Child<QCheckBox>(editor.get(), "CheckBoxUsePressetFormat")->click();
    auto* type = Child<QRadioButton>(editor.get(),
                                     ("RadioGroupPresetType" + std::to_string(c.Type)).c_str());
    type->click();
    // The type only answers with presets on; VCD is the stored one.
    EXPECT_EQ(type->isChecked(), c.Presets || c.Type == 0);
    QStringList shown;
    auto* tabs = Child<QTabWidget>(editor.get(), "PageControlOptions");
    for (int t = 0; t < tabs->count(); ++t)
      if (tabs->isTabVisible(t)) shown << tabs->widget(t)->objectName().mid(8);  // "TabSheet"
    EXPECT_EQ(shown.join(' '), c.WantTabs) << c.Presets << c.Type << c.DisableAudio;
    EXPECT_EQ(Child<QWidget>(editor.get(), "GroupBoxVideoCode")->isVisible(), !c.Presets);
    EXPECT_EQ(Child<QWidget>(editor.get(), "GroupBoxDisableAudio")->isVisible(), !c.Presets);
    EXPECT_EQ(Child<QWidget>(editor.get(), "GroupBoxAudioCodecMpeg2")->isEnabled(),
              !c.DisableAudio);
  }
}

TEST(MpegEditor, DvdPageLaddersAndItsAutoAudio) {
  ResetAllProfileSettings();
  DefaultMPEGSettings();
  MPEGSettings.UsePresetFormats = true;
  MPEGSettings.PresetType = 2;
  MPEGSettings.DVDAudioBitRatePreset = 128;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(ofMPEG);
  // 6000 lies beyond the DVD bar's end: shown there, and kept.
  EXPECT_EQ(Child<QSlider>(editor.get(), "TrackBarDVDVideoBitrate")->value(), 11);
  EXPECT_EQ(Child<QLabel>(editor.get(), "LabelDVDBitrate")->text(), "6000");
  auto* audio = Child<QSlider>(editor.get(), "TrackBarDVDAudioBitrate");
  EXPECT_EQ(audio->value(), 5);
  EXPECT_EQ(audio->maximum(), 10);
  Child<QTabWidget>(editor.get(), "PageControlOptions")
      ->setCurrentWidget(Child<QWidget>(editor.get(), "TabSheetDVD"));
  Child<QCheckBox>(editor.get(), "CheckBoxDVDAutoSetAudioBitrate")->click();
  EXPECT_TRUE(audio->isEnabled());
  auto* aspect = Child<QComboBox>(editor.get(), "ComboBoxDVDVideoAspect");
  EXPECT_FALSE(aspect->isEnabled());
  Child<QRadioButton>(editor.get(), "RadioButtonDVDChangeAspect")->click();
  EXPECT_TRUE(aspect->isEnabled());
  editor->SaveControls();
  EXPECT_TRUE(MPEGSettings.DVDAudioBitRateUseAutoSet);
  EXPECT_FALSE(MPEGSettings.DVDVideoKeepAspect);
  EXPECT_EQ(MPEGSettings.DVDVideoBitRatePreset, 6000);
  EXPECT_EQ(MPEGSettings.DVDAudioBitRatePreset, 128);
}

}  // namespace
