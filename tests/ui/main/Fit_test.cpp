// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption of every window fits its control in each shipped language:
// the main window for each target with a file listed, its dialogs, and every
// page of every profile editor.
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>

#include "../../core/media/MediaClips.h"
#include "LayoutChecks.h"
#include "MainTesting.h"
#include "editors/EnterValue.h"
#include "editors/ProfileEditor.h"
#include "editors/ProfileEditors.h"
#include "main/AboutBox.h"
#include "main/FileInfo.h"
#include "main/Name.h"

namespace {

const char* const kLanguageEntries[] = {"ENGLISH", "FRENCH", "DEUTSCH", "ITALIAN"};

// Every combination of visible tab and page a user can bring to the front.
void ExpectEveryPageFits(QWidget* window) {
  const auto tabs = window->findChildren<QTabWidget*>();
  const auto stacks = window->findChildren<QStackedWidget*>();
  for (QTabWidget* tab : tabs) {
    for (int t = 0; t < tab->count(); ++t) {
      if (!tab->isTabVisible(t)) continue;
      tab->setCurrentIndex(t);
      for (QStackedWidget* stack : stacks) {
        if (!stack->isVisible()) continue;
        for (int p = 0; p < stack->count(); ++p) {
          stack->setCurrentIndex(p);
          QApplication::processEvents();
          SCOPED_TRACE(tab->tabText(t).toStdString() + " / " + stack->currentWidget()->objectName().toStdString());
          ExpectNothingClipped(stack->currentWidget());
        }
      }
      SCOPED_TRACE(tab->tabText(t).toStdString());
      ExpectNothingClipped(window);
    }
  }
  if (tabs.isEmpty()) ExpectNothingClipped(window);
}

}  // namespace

TEST_F(MainWindowTest, EveryWindowFitsItsCaptionsInEveryLanguage) {
  TTempDir clips;
  const std::string clip = clips / "a clip with a rather long name for the panel.avi";
  media_clips::MakeVideoWithAudio(clip);
  TfrmMain& w = Open();
  AddAndWait({clip});
  for (const char* language : kLanguageEntries) {
    SCOPED_TRACE(language);
    for (QAction* a : w.findChild<QMenu*>("LanguagesMI")->actions())
      if (a->text() == language) a->trigger();
    ASSERT_EQ(GlobalVars.LanguageFile, std::string(language) + ".ini");
    for (int format = 0; format < kOutputFormatCount; ++format) {
      SCOPED_TRACE(std::string(OutputFormatNames[static_cast<size_t>(format)]));
      w.SelectTarget(format);
      QApplication::processEvents();
      ExpectNothingClipped(&w, {}, {"ImageMain"});
    }
    {
      TAboutBox about(&w);
      about.show();
      ExpectNothingClipped(&about);
    }
    {
      TfrmName name(&w);
      name.show();
      ExpectNothingClipped(&name);
    }
    {
      TfrmEnterValue value(&w, Q(ResStr(MSG_ENTER_VIDEOBITRATE_TITLE)), Q(ResStr(MSG_ENTER_VIDEOBITRATE)), 8000, 16);
      value.show();
      ExpectNothingClipped(&value);
    }
    {
      TfrmFileInfo info(&w);
      info.ShowFile(clip);
      info.show();
      ExpectNothingClipped(&info);
    }
    for (int format = 0; format < kOutputFormatCount; ++format) {
      SCOPED_TRACE(std::string("editor ") + std::string(OutputFormatNames[static_cast<size_t>(format)]));
      std::unique_ptr<TProfileEditor> editor = CreateProfileEditor(&w, format);
      editor->LoadControls();
      editor->show();
      ExpectEveryPageFits(editor.get());
    }
  }
}
