// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/Name.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "lang/ResStr.h"
#include "support/RecordingDialogs.h"

TEST(TfrmName, OkTakesOnlyAValidTrimmedName) {
  ResetLanguage();
  struct TCase {
    const char* Typed;
    const char* Name;  // nullptr: the warning, and the dialog stays open
  } cases[] = {
      {"", nullptr},    {"   ", nullptr},         {"a/b", nullptr},    {"what?", nullptr},
      {"x|y", nullptr}, {"Standard", "Standard"}, {"  My 2 ", "My 2"}, {"Déjà vu", "Déjà vu"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Typed);
    TRecordingDialogs dialogs;
    TfrmName dialog(nullptr);
    dialog.show();
    dialog.EditFileName->setText(QString::fromUtf8(c.Typed));
    dialog.btnCancel->setFocus();
    dialog.btnOK->click();
    if (c.Name != nullptr) {
      EXPECT_TRUE(dialog.Accepted);
      EXPECT_EQ(dialog.result(), QDialog::Accepted);
      EXPECT_FALSE(dialog.isVisible());
      EXPECT_EQ(dialog.Name(), c.Name);
      EXPECT_TRUE(dialogs.Dialogs.empty());
      continue;
    }
    EXPECT_FALSE(dialog.Accepted);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(dialogs.Dialogs.size(), 1u);
    EXPECT_EQ(dialogs.Dialogs[0].Caption, "Invalid File Name");
    EXPECT_EQ(dialogs.Dialogs[0].Kind, mdWarning);
    ASSERT_EQ(dialogs.Dialogs[0].Buttons.size(), 2u);
    EXPECT_EQ(dialogs.Dialogs[0].Buttons[0].Caption, "OK");
    EXPECT_EQ(dialogs.Dialogs[0].Buttons[1].Caption, "Cancel");
    // Back in the name field with all of it selected, ready to be retyped.
    EXPECT_EQ(dialog.focusWidget(), dialog.EditFileName);
    EXPECT_EQ(dialog.EditFileName->selectedText(), QString::fromUtf8(c.Typed));
  }
}

// A name too long for its profile file is refused with that reason before
// anything is written: the dialog stays open with the text to shorten.
// Bytes count, not characters.
TEST(TfrmName, ANameTooLongForAFileIsRefusedWithItsReason) {
  ResetLanguage();
  std::string accented;
  for (int i = 0; i < 121; ++i) accented += "\u00e9";
  struct TCase {
    std::string Typed;
    bool Accepted;
  } cases[] = {{std::string(241, 'x'), true}, {std::string(242, 'x'), false}, {accented, false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Typed.size());
    TRecordingDialogs dialogs;
    TfrmName dialog(nullptr);
    dialog.show();
    dialog.EditFileName->setText(QString::fromStdString(c.Typed));
    dialog.btnOK->click();
    EXPECT_EQ(dialog.Accepted, c.Accepted);
    EXPECT_EQ(dialog.isVisible(), !c.Accepted);
    if (c.Accepted) continue;
    ASSERT_EQ(dialogs.Dialogs.size(), 1u);
    EXPECT_EQ(dialogs.Dialogs[0].Text, ResStr(MSG_NAME_TOO_LONG));
    EXPECT_EQ(dialog.EditFileName->text().toStdString(), c.Typed);
  }
}

TEST(TfrmName, CancelEscAndCloseAcceptNothing) {
  TRecordingDialogs dialogs;
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    TfrmName dialog(nullptr);
    dialog.show();
    dialog.EditFileName->setText("Fine");
    if (way == 0) dialog.btnCancel->click();
    if (way == 1) QTest::keyClick(dialog.EditFileName, Qt::Key_Escape);
    if (way == 2) dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Accepted);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.Name(), "");
  }
  EXPECT_TRUE(dialogs.Dialogs.empty());
}

TEST(TfrmName, AskOpensCentredWithTheNameSelected) {
  ResetLanguage();
  TRecordingDialogs dialogs;
  QWidget owner;
  owner.setGeometry(100, 80, 801, 600);
  owner.show();
  struct TCase {
    bool Ok;
    const char* Typed;
    std::string Result;
    bool Returned;
  } cases[] = {{true, " Renamed ", "Renamed", true}, {false, "Renamed", "Old name", false}};
  for (const TCase& c : cases) {
    std::string name = "Old name";
    QString shownText, selected, title;
    QPoint shownAt;
    QSize size;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<TfrmName*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      shownText = dialog->EditFileName->text();
      selected = dialog->EditFileName->selectedText();
      title = dialog->windowTitle();
      shownAt = dialog->pos();
      size = dialog->frameGeometry().size();
      dialog->EditFileName->setText(c.Typed);
      (c.Ok ? dialog->btnOK : dialog->btnCancel)->click();
    });
    EXPECT_EQ(TfrmName::Ask(&owner, name), c.Returned);
    EXPECT_EQ(name, c.Result);
    EXPECT_EQ(shownText, "Old name");
    EXPECT_EQ(selected, "Old name");
    EXPECT_EQ(title, "Profile Name");
    QRect o = owner.frameGeometry();
    EXPECT_EQ(shownAt, QPoint(o.left() + (o.width() - size.width()) / 2,
                              o.top() + (o.height() - size.height()) / 2));
  }
}
