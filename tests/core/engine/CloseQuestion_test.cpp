// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CloseQuestion.h"

#include <gtest/gtest.h>

#include "lang/ResStr.h"
#include "support/RecordingDialogs.h"

TEST(CloseQuestion, AnswersAndTheBatchEndingUnderneath) {
  ResetLanguage();
  struct TCase {
    bool FinishedBefore;
    TModalResult Answer;
    bool FinishedWhileAsking;
    TCloseOutcome Expected;
  } cases[] = {
      // A finished batch closes with the driver's result, unasked.
      {true, mrYes, false, {true, mrNone, std::nullopt}},
      {false, mrYes, false, {true, mrCancel, std::nullopt}},
      {false, mrNo, false, {false, mrNone, true}},
      {false, mrCancel, false, {false, mrNone, false}},
      {false, mrNone, false, {false, mrNone, false}},
      {false, mrYes, true, {true, mrCancel, std::nullopt}},
      {false, mrNo, true, {true, mrCancel, std::nullopt}},
      {false, mrCancel, true, {true, mrCancel, std::nullopt}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.FinishedBefore << " " << c.Answer << " " << c.FinishedWhileAsking);
    TRecordingDialogs dialogs;
    dialogs.DialogAnswers = {c.Answer};
    bool finished = c.FinishedBefore;
    dialogs.OnDialog = [&](const TMessageDialogRequest&) {
      finished = finished || c.FinishedWhileAsking;
    };
    EXPECT_EQ(AskToClose([&] { return finished; }), c.Expected);
    EXPECT_EQ(dialogs.Dialogs.size(), c.FinishedBefore ? 0u : 1u);
  }
}

TEST(CloseQuestion, AsksStopNowWhenDoneOrCancel) {
  ResetLanguage();
  TRecordingDialogs dialogs;
  AskToClose([] { return false; });
  ASSERT_EQ(dialogs.Dialogs.size(), 1u);
  const TMessageDialogRequest& q = dialogs.Dialogs[0];
  EXPECT_EQ(q.Text, ResStr(MSG_ABORTENCODING));
  EXPECT_EQ(q.Caption, "Question");
  EXPECT_EQ(q.Kind, mdConfirmation);
  ASSERT_EQ(q.Buttons.size(), 3u);
  const std::pair<TMsgDlgBtn, const char*> buttons[] = {
      {mbYes, "Stop now"}, {mbNo, "When done"}, {mbCancel, "Cancel"}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(q.Buttons[i].Button, buttons[i].first);
    EXPECT_EQ(q.Buttons[i].Caption, buttons[i].second);
  }
  // Enter goes on converting: the answer that loses nothing.
  EXPECT_EQ(q.DefaultButton, mbCancel);
}
