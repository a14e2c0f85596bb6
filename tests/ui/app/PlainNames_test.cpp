// SPDX-License-Identifier: GPL-3.0-or-later
// File names are shown as they are wherever they appear: a name holding
// markup never changes what a box or tip shows, nor its size.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include "app/QtDialogProvider.h"
#include "app/QtMainThread.h"
#include "app/WindowPlacement.h"
#include "engine/DesktopBatchHost.h"
#include "engine/Progress.h"
#include "engine/Tray.h"
#include "lang/ResStr.h"
#include "main/FileListView.h"

namespace {

const std::string kNames[] = {
    "/v/<font size=7>huge</font>.avi",
    "/v/<img width=20000 height=20000 src=x>.avi",
    "/v/<b>bold</b> & <a href='x'>link</a>.avi",
};

// What a tip shows: its text as the tip's own rendering reads it.
std::string Shown(const QString& tip) {
  if (!Qt::mightBeRichText(tip)) return tip.toStdString();
  QTextDocument document;
  document.setHtml(tip);
  return document.toPlainText().toStdString();
}

// The open box's text label, checked while it is up, then answered.
void CheckOpenBox(const std::string& name, bool& checked) {
  QTimer::singleShot(0, [&name, &checked] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    auto* label = box->findChild<QLabel*>("qt_msgbox_label");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_NE(label->text().toStdString().find(name), std::string::npos);
    EXPECT_LT(box->sizeHint().height(), box->screen()->geometry().height());
    checked = true;
    box->reject();
  });
}

class TPlacement final : public TPlacementWindow {
 public:
  TWindowPlacement Placement() const override { return {}; }
  void ApplyPlacement(const TWindowPlacement&) override {}
  int ScreenWidth() const override { return 1280; }
  int ScreenHeight() const override { return 1024; }
};

}  // namespace

TEST(PlainNames, MessageBoxesShowNamesAsTheyAre) {
  ResetLanguage();
  TQtDialogProvider dialogs;
  for (const std::string& name : kNames) {
    SCOPED_TRACE(name);
    bool checked = false;
    CheckOpenBox(name, checked);
    dialogs.MessageBox("The file \"" + name + "\" is damaged.", "Error",
                       MB_OK | MB_ICONINFORMATION);
    EXPECT_TRUE(checked);
    checked = false;
    CheckOpenBox(name, checked);
    TMessageDialogRequest request;
    request.Text = "Stop converting " + name + "?";
    request.Buttons = {{mbYes, ""}, {mbCancel, ""}};
    dialogs.MessageDialog(request);
    EXPECT_TRUE(checked);
  }
}

TEST(PlainNames, BatchNotesLabelsAndTipsShowNamesAsTheyAre) {
  ResetLanguage();
  QWidget main;
  TQtMainThread thread;
  TPlacement placement;
  TDesktopBatchHost host(&main, thread, placement, true);
  TfrmProgress progress(&main);
  TFileListModel list;
  TFileListQtModel model(list);
  for (const std::string& name : kNames) {
    SCOPED_TRACE(name);
    host.ReportSourceKept(name, "no room");
    auto* note = main.findChild<QMessageBox*>("SourceKeptNote");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->findChild<QLabel*>("qt_msgbox_label")->textFormat(), Qt::PlainText);
    delete note;

    const std::string long_ = name + std::string(200, 'x');
    progress.ShowWorking(long_);
    EXPECT_EQ(progress.LabelWorking->textFormat(), Qt::PlainText);
    EXPECT_EQ(Shown(progress.LabelWorking->toolTip()), long_);

    host.Tray().SetHint(name + ": 42%");
    EXPECT_EQ(Shown(host.Tray().Hint()), name + ": 42%");

    TMediaStrings media;
    media.fill("1");
    list.Clear();
    list.Append(name, media);
    const QModelIndex row = model.index(0, 0);
    EXPECT_EQ(model.data(row, Qt::DisplayRole).toString().toStdString(), name);
    EXPECT_EQ(Shown(model.data(row, Qt::ToolTipRole).toString()), name);
  }
  // A plain name stays a plain tip.
  host.Tray().SetHint("clip.avi: 42%");
  EXPECT_EQ(host.Tray().Hint(), "clip.avi: 42%");
}
