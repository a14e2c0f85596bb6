// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Dialogs.h"

#include <gtest/gtest.h>

#include "app/GlobalVars.h"

namespace {

// Records what core asked for and answers as told.
class TRecordingDialogs : public TDialogProvider {
 public:
  int MessageBox(const std::string& text, const std::string& caption, int flags) override {
    Texts.push_back(caption + "|" + text + "|" + std::to_string(flags));
    return BoxAnswer;
  }
  TModalResult MessageDialog(const TMessageDialogRequest& request) override {
    LastRequest = request;
    return DialogAnswer;
  }
  bool BrowseForFolder(const TBrowseRequest& request, std::string& path) override {
    LastBrowse = request;
    if (!Chosen.empty()) path = Chosen;
    return !Chosen.empty();
  }
  bool OpenFiles(const TFileDialogRequest&, std::vector<std::string>&) override { return false; }
  bool SaveFile(const TFileDialogRequest&, std::string&) override { return false; }
  void ShellOpen(const std::string& target) override {
    Opened.push_back(target);
    DepthWhileOpening = WaitCursorDepth();
  }
  void SetWaitCursor(bool busy) override { CursorCalls.push_back(busy); }

  std::vector<std::string> Texts;
  int BoxAnswer = IDOK;
  TMessageDialogRequest LastRequest;
  TModalResult DialogAnswer = mrOk;
  TBrowseRequest LastBrowse;
  std::string Chosen;
  std::vector<std::string> Opened;
  int DepthWhileOpening = -1;
  std::vector<bool> CursorCalls;
};

}  // namespace

TEST(Dialogs, ReplaceableProvider) {
  TRecordingDialogs dialogs;
  {
    TScopedDialogProvider use(dialogs);
    dialogs.BoxAnswer = IDYES;
    EXPECT_EQ(MessageBoxText("text", "caption", MB_YESNO | MB_ICONQUESTION), IDYES);
    ASSERT_EQ(dialogs.Texts.size(), 1u);
    EXPECT_EQ(dialogs.Texts[0], "caption|text|36");
  }
  // Back to the console provider: nothing more reaches the recorder.
  MessageBoxText("again", "caption", MB_OK);
  EXPECT_EQ(dialogs.Texts.size(), 1u);
}

TEST(Dialogs, ConsoleProviderGivesTheCautiousAnswer) {
  TConsoleDialogProvider console;
  struct TCase {
    int Flags;
    int Answer;
  };
  for (const TCase& c : {TCase{MB_OK, IDOK}, TCase{MB_OKCANCEL, IDCANCEL}, TCase{MB_YESNO, IDNO},
                         TCase{MB_YESNOCANCEL | MB_ICONQUESTION, IDCANCEL},
                         TCase{MB_RETRYCANCEL, IDCANCEL}, TCase{MB_ABORTRETRYIGNORE, IDABORT}})
    EXPECT_EQ(console.MessageBox("t", "c", c.Flags), c.Answer) << c.Flags;

  auto ask = [&](TMsgDlgButtons buttons) {
    return console.MessageDialog(
        MakeMessageDialogRequest("t", "c", mdConfirmation, -1, {}, buttons));
  };
  EXPECT_EQ(ask(ButtonSet({mbYes, mbNo, mbCancel})), mrCancel);  // stop-encoding question
  EXPECT_EQ(ask(ButtonSet({mbYes, mbNo})), mrNo);                // overwrite, delete
  EXPECT_EQ(ask(ButtonSet({mbOK, mbCancel})), mrCancel);
  EXPECT_EQ(ask(ButtonSet({mbOK})), mrOk);

  std::string path = "/keep";
  EXPECT_FALSE(console.BrowseForFolder({}, path));
  EXPECT_EQ(path, "/keep");
}

TEST(Dialogs, MessageDialogRequest) {
  ResetGlobalVars();
  TRecordingDialogs dialogs;
  TScopedDialogProvider use(dialogs);

  // Captions go to the created buttons in the toolkit's order (Yes, No, ... Cancel),
  // whatever order the caller thinks of them in.
  dialogs.DialogAnswer = mrNo;
  GlobalVars.LanguageFile = "english.ini";
  EXPECT_EQ(MessageDialog("Stop?", "Question", mdConfirmation, 2,
                          {"Stop now", "When done", "Cancel"}, ButtonSet({mbCancel, mbNo, mbYes})),
            mrNo);
  const TMessageDialogRequest& r = dialogs.LastRequest;
  EXPECT_EQ(r.Text, "Stop?");
  EXPECT_EQ(r.Caption, "Question");
  ASSERT_EQ(r.Buttons.size(), 3u);
  EXPECT_EQ(r.Buttons[0].Button, mbYes);
  EXPECT_EQ(r.Buttons[0].Caption, "Stop now");
  EXPECT_EQ(r.Buttons[1].Button, mbNo);
  EXPECT_EQ(r.Buttons[1].Caption, "When done");
  EXPECT_EQ(r.Buttons[2].Button, mbCancel);
  EXPECT_EQ(r.Buttons[2].Caption, "Cancel");
  EXPECT_EQ(r.ButtonWidth, 70);
  EXPECT_EQ(r.Beep, MB_ICONQUESTION);

  // Only buttons up to lastButton are captioned; an empty caption keeps the
  // toolkit's; captions beyond the buttons are ignored.
  GlobalVars.LanguageFile = "FRENCH.INI";
  MessageDialog("t", "c", mdWarning, 0, {"", "Annuler", "extra", "more"},
                ButtonSet({mbOK, mbCancel}));
  ASSERT_EQ(dialogs.LastRequest.Buttons.size(), 2u);
  EXPECT_EQ(dialogs.LastRequest.Buttons[0].Caption, "");
  EXPECT_EQ(dialogs.LastRequest.Buttons[1].Caption, "");
  EXPECT_EQ(dialogs.LastRequest.ButtonWidth, 110);
  EXPECT_EQ(dialogs.LastRequest.Beep, MB_ICONEXCLAMATION);

  EXPECT_EQ(MessageDialogBeep(mdError), MB_ICONHAND);
  EXPECT_EQ(MessageDialogBeep(mdInformation), MB_OK);
  EXPECT_EQ(MessageDialogBeep(mdCustom), MB_OK);
  ResetGlobalVars();
}

TEST(Dialogs, BrowseKeepsThePathOnCancel) {
  TRecordingDialogs dialogs;
  TScopedDialogProvider use(dialogs);
  std::string path = "/home/u/Videos";
  EXPECT_FALSE(BrowseForFolder(path, "Please select a folder!",
                               BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE, ""));
  EXPECT_EQ(path, "/home/u/Videos");
  EXPECT_EQ(dialogs.LastBrowse.Path, "/home/u/Videos");
  EXPECT_EQ(dialogs.LastBrowse.Flags, BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE);
  dialogs.Chosen = "/media/out";
  EXPECT_TRUE(BrowseForFolder(path, "t", 0, "/media"));
  EXPECT_EQ(path, "/media/out");
  EXPECT_EQ(dialogs.LastBrowse.Root, "/media");
}

TEST(Dialogs, ShellOpenAndWaitCursor) {
  TRecordingDialogs dialogs;
  TScopedDialogProvider use(dialogs);
  ASSERT_EQ(WaitCursorDepth(), 0);

  ShellOpen("  ");
  EXPECT_TRUE(dialogs.Opened.empty());
  EXPECT_TRUE(dialogs.CursorCalls.empty());
  ShellOpen("mailto:support@kinovert.example.org");
  ASSERT_EQ(dialogs.Opened.size(), 1u);
  EXPECT_EQ(dialogs.DepthWhileOpening, 1);
  EXPECT_EQ(WaitCursorDepth(), 0);
  EXPECT_EQ(dialogs.CursorCalls, (std::vector<bool>{true, false}));

  dialogs.CursorCalls.clear();
  BeginWaitCursor();
  BeginWaitCursor();
  EXPECT_EQ(WaitCursorDepth(), 2);
  EndWaitCursor();
  EXPECT_EQ(dialogs.CursorCalls, (std::vector<bool>{true, true}));  // still busy at depth 1
  EndWaitCursor();
  EndWaitCursor();  // at depth 0: nothing
  EXPECT_EQ(WaitCursorDepth(), 0);
  EXPECT_EQ(dialogs.CursorCalls, (std::vector<bool>{true, true, false}));
}

TEST(Dialogs, ClassicFilterText) {
  std::vector<TFileFilter> f =
      ParseFileFilter("Video Files|*.avi;*.mp4 ; *.mkv|Broken||Audio|*.mp3|All Files|*.*");
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f[0].Description, "Video Files");
  EXPECT_EQ(f[0].Patterns, (std::vector<std::string>{"*.avi", "*.mp4", "*.mkv"}));
  EXPECT_EQ(f[1].Description, "Audio");
  EXPECT_EQ(f[2].Patterns, (std::vector<std::string>{"*.*"}));
  EXPECT_TRUE(ParseFileFilter("").empty());
}
