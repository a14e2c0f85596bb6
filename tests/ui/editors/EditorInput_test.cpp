// SPDX-License-Identifier: GPL-3.0-or-later
// What the keyboard can do in an editor: typed sizes and times, and which
// tabs it reaches.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>

#include "app/GlobalVars.h"
#include "editors/EditorTesting.h"
#include "editors/RecordFields.h"
#include "profiles/EncoderOptions.h"
#include "profiles/ProfileSettings.h"
#include "support/RecordingDialogs.h"

namespace {

// Types into an edit as a user does and leaves it with Tab.
void TypeAndLeave(QWidget* edit, const char* text) {
  edit->setFocus(Qt::MouseFocusReason);
  if (auto* spin = qobject_cast<QSpinBox*>(edit)) spin->selectAll();
  if (auto* line = qobject_cast<QLineEdit*>(edit)) line->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Tab);
}

std::unique_ptr<TProfileEditor> OpenOn(int format, const char* tab) {
  std::unique_ptr<TProfileEditor> editor = OpenEditor(format);
  Child<QTabWidget>(editor.get(), "PageControlOptions")
      ->setCurrentWidget(Child<QWidget>(editor.get(), tab));
  return editor;
}

// ---------------------------------------------------------------- frame sizes

struct TSizeCase {
  const char* Name;
  int Format;
  const char* VideoCodec;  // the key of the list and the item that shows the block
  int Item;
  const char* Suffix;  // of the object names
  const char* Edit;    // "Width" or "Height"
  const char* Typed;
  int WantSaved;
  const char* WantMessage;  // nullptr: accepted
};

const TSizeCase kSizes[] = {
    {"FourDigitWidth", ofAVI, "VideoCodec", 0, "DivX", "Width", "1920", 1920, nullptr},
    {"TwoThousand", ofAVI, "VideoCodec", 0, "DivX", "Width", "2000", 2000, nullptr},
    {"FourDigitHeight", ofAVI, "VideoCodec", 0, "DivX", "Height", "1080", 1080, nullptr},
    {"OddIsMadeEven", ofMOV, "VideoCodec", 4, "H264", "Width", "1599", 1600, nullptr},
    {"MpegKeepsOdd", ofMPEG, "VideoCodec", 1, "Mpeg2", "Width", "301", 301, nullptr},
    {"BeyondTheCodec", ofAVI, "VideoCodec", 0, "DivX", "Width", "8192", 320,
     "This width is not possible: Divx takes widths from 2 to 8190 pixels."},
    {"H263PlusWidth", ofAVI, "VideoCodec", 5, "H263P", "Width", "2050", 320,
     "This width is not possible: H263P takes widths from 2 to 2048 pixels."},
    {"H263PlusHeight", ofAVI, "VideoCodec", 5, "H263P", "Height", "1200", 240,
     "This height is not possible: H263P takes heights from 2 to 1152 pixels."},
    {"RealVideo", ofRM, "VideoCodec", 0, "Rm10", "Width", "1280", 320,
     "This width is not possible: Real Video 7 takes widths from 2 to 720 pixels."},
    {"Mpeg2", ofMPEG, "VideoCodec", 1, "Mpeg2", "Height", "4096", 240,
     "This height is not possible: Mpeg-2 takes heights from 2 to 4094 pixels."},
    {"BelowTwo", ofAVI, "VideoCodec", 0, "DivX", "Height", "1", 240,
     "This height is not possible: Divx takes heights from 2 to 8190 pixels."},
};

class SizeEditTest : public testing::TestWithParam<TSizeCase> {};

TEST_P(SizeEditTest, TypedNumbersAreNeverCutAndTheCodecsRangeIsStated) {
  const TSizeCase& c = GetParam();
  TRecordingDialogs dialogs;
  ResetAllProfileSettings();
  DefaultProfile(c.Format);
  const TRecordFields record(c.Format);
  record.SetInt(c.VideoCodec, c.Item);
  record.SetFlag(Key("VideoSizeUseSource", c.Suffix), false);
  record.SetInt(Key("VideoWidth", c.Suffix), 320);
  record.SetInt(Key("VideoHeight", c.Suffix), 240);
  std::unique_ptr<TProfileEditor> editor = OpenOn(c.Format, "TabSheetVideo");
  auto* edit =
      Child<QSpinBox>(editor.get(), ("EditVideo" + std::string(c.Edit) + c.Suffix).c_str());
  TypeAndLeave(edit, c.Typed);
  EXPECT_EQ(edit->value(), c.WantSaved);
  if (c.WantMessage == nullptr) {
    EXPECT_TRUE(dialogs.Messages.empty());
  } else {
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, c.WantMessage);
    EXPECT_EQ(dialogs.Messages[0].Caption, "Invalid Value");
  }
  editor->SaveControls();
  EXPECT_EQ(record.Int(Key("Video" + std::string(c.Edit), c.Suffix)), c.WantSaved);
  const std::string size = std::string(c.Edit) == "Width" ? std::to_string(c.WantSaved) + "x240"
                                                          : "320x" + std::to_string(c.WantSaved);
  EXPECT_NE(OptionsOfRecord(c.Format).find("-s " + size + " "), std::string::npos)
      << OptionsOfRecord(c.Format);
}

INSTANTIATE_TEST_SUITE_P(Cases, SizeEditTest, testing::ValuesIn(kSizes),
                         [](const auto& p) { return std::string(p.param.Name); });

TEST(SizeEdit, ArrowsStopAtTheCodecsLimits) {
  TRecordingDialogs dialogs;
  ResetAllProfileSettings();
  DefaultAVISettings();
  AVISettings.VideoCodec = 5;  // H.263+
  AVISettings.VideoSizeUseSourceH263P = false;
  AVISettings.VideoWidthH263P = 2046;
  AVISettings.VideoHeightH263P = 4;
  std::unique_ptr<TProfileEditor> editor = OpenOn(ofAVI, "TabSheetVideo");
  auto* width = Child<QSpinBox>(editor.get(), "EditVideoWidthH263P");
  auto* height = Child<QSpinBox>(editor.get(), "EditVideoHeightH263P");
  width->setFocus();
  QTest::keyClick(width, Qt::Key_Up);
  QTest::keyClick(width, Qt::Key_Up);
  EXPECT_EQ(width->value(), 2048);
  height->setFocus();
  QTest::keyClick(height, Qt::Key_Down);
  QTest::keyClick(height, Qt::Key_Down);
  EXPECT_EQ(height->value(), 2);
  EXPECT_TRUE(dialogs.Messages.empty());
}

// A size stored beyond what the codec takes (a hand-edited profile) is shown
// and kept while it is left as it is.
TEST(SizeEdit, AStoredSizeIsNotRefusedUntilItIsChanged) {
  TRecordingDialogs dialogs;
  ResetAllProfileSettings();
  DefaultRmSettings();
  RmSettings.VideoSizeUseSourceRm10 = false;
  RmSettings.VideoWidthRm10 = 1280;
  RmSettings.VideoHeightRm10 = 720;
  std::unique_ptr<TProfileEditor> editor = OpenOn(ofRM, "TabSheetVideo");
  auto* width = Child<QSpinBox>(editor.get(), "EditVideoWidthRm10");
  EXPECT_EQ(width->value(), 1280);
  width->setFocus();
  QTest::keyClick(width, Qt::Key_Tab);
  EXPECT_TRUE(dialogs.Messages.empty());
  editor->SaveControls();
  EXPECT_EQ(RmSettings.VideoWidthRm10, 1280);
}

// ---------------------------------------------------------------- times

struct TTimeCase {
  const char* Name;
  const char* Field;
  const char* Typed;
  const char* WantText;
  const char* WantMessageStart;  // nullptr: accepted
};

const TTimeCase kTimes[] = {
    {"Fraction", "EditStartTime", "1.5", "0:00:01.500", nullptr},
    {"HundredthsAreAFraction", "EditDuration", "0:00:01.05", "0:00:01.050", nullptr},
    {"NotATime", "EditStartTime", "1m30", "0:00:10.000", "\"1m30\" is not a time."},
    {"TooLong", "EditDuration", "201:00:00", "0:00:05.000", "201:00:00 is too long:"},
    {"EndBeforeStart", "EditEndTime", "5", "0:00:15.000",
     "The end time 0:00:05.000 lies before the start time 0:00:10.000."},
};

class TimeEditTest : public testing::TestWithParam<TTimeCase> {};

TEST_P(TimeEditTest, ARefusedTextSaysWhy) {
  const TTimeCase& c = GetParam();
  TRecordingDialogs dialogs;
  ResetAllProfileSettings();
  DefaultMp3Settings();
  Mp3Settings.EnableTimeControl = true;
  Mp3Settings.StartTime = "0:00:10.000";
  Mp3Settings.Duration = "0:00:05.000";
  std::unique_ptr<TProfileEditor> editor = OpenEditor(ofMP3);
  auto* field = Child<QLineEdit>(editor.get(), c.Field);
  TypeAndLeave(field, c.Typed);
  EXPECT_EQ(field->text().toStdString(), c.WantText);
  if (c.WantMessageStart == nullptr) {
    EXPECT_TRUE(dialogs.Messages.empty());
  } else {
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text.rfind(c.WantMessageStart, 0), 0u)
        << dialogs.Messages[0].Text;
    EXPECT_EQ(dialogs.Messages[0].Caption, "Invalid Time");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, TimeEditTest, testing::ValuesIn(kTimes),
                         [](const auto& p) { return std::string(p.param.Name); });

// ---------------------------------------------------------------- tabs

struct TTabCase {
  const char* Name;
  int Format;
  std::vector<std::pair<const char*, const char*>> Keys;
  const char* Hidden;  // the page no key may open
};

const TTabCase kTabs[] = {
    {"AudioWithoutSound", of3GP, {{"AudioDisableAudio", "1"}}, "TabSheetAudio"},
    {"DvdWithoutPresets", ofMPEG, {{"UsePresetFormats", "0"}}, "TabSheetDVD"},
    {"VideoOfAVcdPreset",
     ofMPEG,
     {{"UsePresetFormats", "1"}, {"PresetType", "0"}},
     "TabSheetVideo"},
};

class HiddenTabTest : public testing::TestWithParam<TTabCase> {};

TEST_P(HiddenTabTest, NoKeyReachesAHiddenPage) {
  const TTabCase& c = GetParam();
  ResetAllProfileSettings();
  DefaultProfile(c.Format);
  const TRecordFields record(c.Format);
  for (const auto& [key, value] : c.Keys) record.SetInt(key, std::stoi(value));
  std::unique_ptr<TProfileEditor> editor = OpenEditor(c.Format);
  auto* tabs = Child<QTabWidget>(editor.get(), "PageControlOptions");
  QWidget* hidden = Child<QWidget>(editor.get(), c.Hidden);
  ASSERT_FALSE(tabs->isTabVisible(tabs->indexOf(hidden)));
  const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_Tab, Qt::ControlModifier},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
      {Qt::Key_PageDown, Qt::ControlModifier},
      {Qt::Key_PageUp, Qt::ControlModifier},
  };
  for (const auto& [key, modifiers] : keys) {
    for (int i = 0; i < 2 * tabs->count(); ++i) {
      QWidget* focus =
          QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : editor.get();
      QTest::keyClick(focus, key, modifiers);
      EXPECT_NE(tabs->currentWidget(), hidden) << key << " " << i;
      EXPECT_TRUE(tabs->isTabVisible(tabs->currentIndex())) << key << " " << i;
    }
  }
  // A tab bar's mnemonic is a shortcut of its own.
  tabs->setTabText(tabs->indexOf(hidden), "&Qx");
  QTest::keyClick(editor.get(), Qt::Key_Q, Qt::AltModifier);
  EXPECT_NE(tabs->currentWidget(), hidden);
}

INSTANTIATE_TEST_SUITE_P(Cases, HiddenTabTest, testing::ValuesIn(kTabs),
                         [](const auto& p) { return std::string(p.param.Name); });

// ---------------------------------------------------------------- frame rate

TEST(AutoFrameRate, TheEditorNamesAFixedRate) {
  const struct {
    int Format;
    const char* Suffix;
    const char* Want;
  } cases[] = {{ofAVI, "DivX", "Auto"},
               {ofMOV, "H264", "Auto"},
               {of3GP, "H263", "Auto (always 12.5 fps)"},
               {ofMPEG, "Mpeg1", "Auto (always 25 fps)"},
               {ofMPEG, "Mpeg2", "Auto"},
               {ofRM, "Rm10", "Auto (always 25 fps)"}};
  for (const auto& c : cases) {
    ResetAllProfileSettings();
    DefaultProfile(c.Format);
    std::unique_ptr<TProfileEditor> editor = CreateProfileEditor(nullptr, c.Format);
    EXPECT_EQ(Child<QRadioButton>(editor.get(),
                                  ("RadioButtonKeepFrameRate" + std::string(c.Suffix)).c_str())
                  ->text()
                  .toStdString(),
              c.Want)
        << c.Suffix;
  }
}

}  // namespace
