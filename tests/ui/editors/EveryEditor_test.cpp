// SPDX-License-Identifier: GPL-3.0-or-later
// What holds for all sixteen editors, through their widgets.
#include <QComboBox>
#include <QStackedWidget>

#include "app/GlobalVars.h"
#include "editors/EditorTesting.h"
#include "profiles/ProfileSettings.h"
#include "support/ProfileSnapshot.h"
#include "support/RecordingDialogs.h"

namespace {

class EveryEditor : public testing::TestWithParam<int> {};

// Default, LoadControls, show, SaveControls: the defaults come back, also the
// preset bitrates no ladder entry holds (see DefaultsAsAnEditorSavesThem).
TEST_P(EveryEditor, DefaultsComeBackThroughTheControls) {
  const int format = GetParam();
  ResetAllProfileSettings();
  const TProfileValues want = DefaultsAsAnEditorSavesThem(format);
  std::unique_ptr<TProfileEditor> editor = OpenEditor(format);
  ScrambleProfile(format);
  editor->SaveControls();
  EXPECT_EQ(ProfileSnapshot(format), want);
}

INSTANTIATE_TEST_SUITE_P(Formats, EveryEditor, testing::Range(0, kOutputFormatCount),
                         [](const auto& p) {
                           return std::string(OutputFormatNames[static_cast<size_t>(p.param)]);
                         });

// Each codec list item shows exactly its page, named as the forms name them.
struct TPagesCase {
  int Format;
  const char* List;
  const char* Pages;  // the object name of the page each item shows, in item order
  const char* Stack;
};

const TPagesCase kPages[] = {
    {ofAVI, "ComboBoxVideoCodec",
     "TabSheetDivX TabSheetXviD TabSheetMsmpeg4 TabSheetMsmpeg4v2 TabSheetH263 TabSheetH263P "
     "TabSheetH264 TabSheethuffYUV TabSheetMjpeg TabSheetSvq1 TabSheetFlv",
     "PageControlVCodec"},
    {ofAVI, "ComboBoxAudioCodec",
     "TabSheetMp2 TabSheetMp3 TabSheetPcm16le TabSheetPcmu8 TabSheetAC3", "PageControlACodec"},
    {ofMOV, "ComboBoxVideoCodec",
     "TabSheetSvq1 TabSheetDivX TabSheetXviD TabSheetH263 TabSheetH264", "PageControlVCodec"},
    {ofMOV, "ComboBoxAudioCodec",
     "TabSheetAACMp4 TabSheetAlaw TabSheetArmnb TabSheetPcm16le TabSheetPcm16be",
     "PageControlACodec"},
    {ofWMV, "ComboBoxVideoCodec", "TabSheetMsmpeg4 TabSheetMsmpeg4v2 TabSheetWmv7 TabSheetWmv8",
     "PageControlVCodec"},
    {ofASF, "ComboBoxVideoCodec", "TabSheetMsmpeg4 TabSheetMsmpeg4v2", "PageControlVCodec"},
    {ofVOB, "ComboBoxAudioCodec", "TabSheetMp2 TabSheetAC3", "PageControlACodec"},
    {ofRM, "ComboBoxVideoCodec", "TabSheetRm10", "PageControlVCodec"},
    {ofSWF, "ComboBoxVideoCodec", "TabSheetFlv", "PageControlVCodec"},
    {ofMP4, "ComboBoxMp4Format", "TabSheetAACMp4 TabSheetAACPsp TabSheetAACMp4 TabSheetAACMp4",
     "PageControlACodec"},
    {ofAMR, "ComboBoxAudioCodec", "TabSheetArmnb TabSheetArmwb", "PageControlACodec"},
    {ofWAV, "ComboBoxAudioCodec", "TabSheePcm16le TabSheetPcmu8", "PageControlACodec"},
    {ofAAC, "ComboBoxAudioCodec", "TabSheetAACMp4", "PageControlACodec"},
};

TEST(EditorPages, EachListItemShowsItsPage) {
  TRecordingDialogs dialogs;
  for (const TPagesCase& c : kPages) {
    ResetAllProfileSettings();
    DefaultProfile(c.Format);
    std::unique_ptr<TProfileEditor> editor = OpenEditor(c.Format);
    auto* list = Child<QComboBox>(editor.get(), c.List);
    auto* stack = Child<QStackedWidget>(editor.get(), c.Stack);
    const QStringList pages = QString::fromLatin1(c.Pages).split(' ');
    ASSERT_EQ(list->count(), pages.size()) << c.List;
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < pages.size(); ++i) {
      if (i > 0) QTest::keyClick(list, Qt::Key_Down);
      EXPECT_EQ(list->currentIndex(), i);
      EXPECT_EQ(stack->currentWidget()->objectName(), pages[i]) << c.List << " " << i;
    }
  }
}

}  // namespace
