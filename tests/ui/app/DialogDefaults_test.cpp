// SPDX-License-Identifier: GPL-3.0-or-later
// Real message boxes answered with Enter: the default is the answer that
// loses nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "app/Dialogs.h"
#include "app/QtDialogProvider.h"
#include "engine/CloseQuestion.h"
#include "lang/ResStr.h"

namespace {

// Presses Enter in the next message box that opens.
void EnterInNextBox() {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    QTest::keyClick(box, Qt::Key_Return);
  });
  poll->start(10);
}

}  // namespace

TEST(DialogDefaults, EnterLosesNothing) {
  ResetLanguage();
  TQtDialogProvider real;
  TScopedDialogProvider use(real);
  // The stop question goes on converting.
  EnterInNextBox();
  const TCloseOutcome stop = AskToClose([] { return false; });
  EXPECT_FALSE(stop.Close);
  EXPECT_EQ(stop.StopWhenDone, false);
  // The overwrite and delete questions, as the profile store asks them, keep the file.
  for (TMsgKey text : {MSG_FILE_EXISTS, MSG_SURE_DELETE_PROFILE}) {
    SCOPED_TRACE(MsgKeyName(text));
    EnterInNextBox();
    EXPECT_EQ(MessageDialog(ResStr(text), ResStr(MSG_QUESTION), mdConfirmation, 1,
                            {ResStr(MSG_YES), ResStr(MSG_NO)}, ButtonSet({mbYes, mbNo})),
              mrNo);
  }
}
