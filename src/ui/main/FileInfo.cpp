// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/FileInfo.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogPlacement.h"
#include "app/Dialogs.h"
#include "app/Guarded.h"
#include "base/AtomicFile.h"
#include "base/FileNames.h"
#include "base/FormatText.h"
#include "lang/ResStr.h"
#include "media/MediaStrings.h"
#include "toolkit/PathText.h"

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.c_str()); }

constexpr int kStripHeight = 40;
constexpr int kButtonGap = 8;

}  // namespace

TfrmFileInfo::TfrmFileInfo(QWidget* owner) : QDialog(owner) {
  setObjectName("frmFileInfo");
  setWindowTitle(Q(ResStr(MSG_FILEINFO_CAPTION)));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);
  setMinimumSize(400, 250);
  resize(620, 460);

  MemoInfo = new QPlainTextEdit(this);
  MemoInfo->setObjectName("MemoInfo");
  MemoInfo->setReadOnly(true);
  MemoInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoInfo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  PanelBottom = new QWidget(this);
  PanelBottom->setObjectName("PanelBottom");
  PanelBottom->setFixedHeight(kStripHeight);
  btnOK = new QPushButton(Q(ResStr(MSG_OK)), PanelBottom);
  btnOK->setObjectName("btnOK");
  btnOK->setDefault(true);
  btnSave = new QPushButton(Q(ResStr(MSG_SAVE_FILE_INFO)), PanelBottom);
  btnSave->setObjectName("btnSave");
  for (QPushButton* b : {btnOK, btnSave}) b->resize(std::max(b->sizeHint().width(), 75), b->sizeHint().height());
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnSave, &QPushButton::clicked, this, [this] { Guarded([this] { SaveFileInfo(); }); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(MemoInfo, 1);
  layout->addWidget(PanelBottom);
  LayoutButtons();
}

void TfrmFileInfo::ShowFile(const std::string& path) {
  setWindowTitle(ShownName(FormatText(ResStr(MSG_FILE_INFO), {FileNamePart(path)})));
  MemoInfo->setPlainText(Q(MediaInfoReport(path)));
}

// OK at half the strip less half the pair's width, Save 8 pixels after it.
void TfrmFileInfo::LayoutButtons() {
  const int w = PanelBottom->width();
  const int pair = btnOK->width() + kButtonGap + btnSave->width();
  const int top = (kStripHeight - btnOK->height()) / 2;
  btnOK->move(w / 2 - pair / 2, top);
  btnSave->move(btnOK->geometry().right() + 1 + kButtonGap, top);
}

void TfrmFileInfo::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayoutButtons();
}

void TfrmFileInfo::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  LayoutButtons();
}

void TfrmFileInfo::SaveFileInfo() {
  TFileDialogRequest request;
  request.Filter = FormatText("%s (*.txt)|*.txt|%s (*.*)|*.*", {ResStr(MSG_TEXTFILE), ResStr(MSG_ALLFILES)});
  request.FileName = ResStr(MSG_FILE_INFO_FILE);
  request.DefaultExt = "txt";
  request.ConfirmOverwrite = true;
  std::string file;
  if (!SaveFileDialog(request, file)) return;
  WriteCrLfText(file, MemoInfo->toPlainText().toUtf8().toStdString());
}

void ShowFileInfo(QWidget* owner, const std::string& path) {
  if (FileSize64(path) < 0) return;
  TfrmFileInfo dialog(owner);
  dialog.ShowFile(path);
  CentreOverOwner(&dialog, owner, /*fitToContents=*/false);
  dialog.exec();
}
