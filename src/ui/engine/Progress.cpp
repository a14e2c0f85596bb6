// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Progress.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/GlobalVars.h"
#include "app/Guarded.h"
#include "engine/CloseQuestion.h"
#include "engine/ConvertAnimation.h"
#include "engine/OutputParser.h"
#include "lang/ResStr.h"
#include "toolkit/PathText.h"

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// Names can be longer than the window: the middle goes, so the start of the
// path and the file's own name stay readable; the whole text is the tip.
void SetElided(QLabel* label, const std::string& text) {
  QString full = Q(text);
  label->setText(label->fontMetrics().elidedText(full, Qt::ElideMiddle, label->width()));
  label->setToolTip(label->text() == full ? QString() : PlainToolTip(full));
}

}  // namespace

TfrmProgress::TfrmProgress(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmProgress");
  CreateControls();
  SetTexts();
  PlaceControls();
  ButtonCancel->setFocus();

  connect(CheckBoxDelSource, &QCheckBox::toggled, this,
          [](bool on) { GlobalVars.DeleteFileAfterProcessing = on; });
  connect(CheckBoxShutdown, &QCheckBox::toggled, this,
          [](bool on) { GlobalVars.ShutdownWindowsWhenDone = on; });
  connect(ButtonCancel, &QPushButton::clicked, this,
          [this] { Guarded([this] { RequestClose(); }); });
  connect(ButtonTray, &QPushButton::clicked, this, [this] {
    Guarded([this] {
      if (OnSendToTray) OnSendToTray();
    });
  });
}

TfrmProgress::~TfrmProgress() = default;

void TfrmProgress::ResetProgress() {
  const QString zero = Q(FormatClock(0));
  for (QLabel* clock :
       {LabelStatusRemaining, LabelBatchRemaining, LabelBatchElapsed, LabelBatchEstimated})
    clock->setText(zero);
  LabelStatus->setText(Q(ResStr(MSG_ID_STATUS) + "0%"));
  LabelBatch->setText(Q(ResStr(MSG_ID_BATCH) + "0%"));
  ProgressBarStatus->setValue(0);
  ProgressBarBatch->setValue(0);
  SetElided(LabelWorking, ResStr(MSG_PLEASE_WAIT));
  SetElided(LabelOutput, "");
  LabelCovnerting->setText(Q(ResStr(MSG_PREPARING)));
  Animate_Convert->Load();
  Animate_Convert->hide();
}

void TfrmProgress::ShowFailure(const std::string& text) {
  Failures_ << Q(text);
  SetElided(LabelFailed, text);
  LabelFailed->setToolTip(Failures_.join(QLatin1Char('\n')));
  LabelFailed->show();
}

void TfrmProgress::SetCaption(const std::string& text) {
  setWindowTitle(Q(text));
}

void TfrmProgress::SetStopLabel(const std::string& text) {
  LabelStopWhenDone->setText(Q(text));
}

void TfrmProgress::ShowBatchElapsed(const std::string& clock) {
  LabelBatchElapsed->setText(Q(clock));
}

void TfrmProgress::ShowFileStatus(const std::string& label, int percent) {
  LabelStatus->setText(Q(label));
  ProgressBarStatus->setValue(percent);
}

void TfrmProgress::ShowFileRemaining(const std::string& clock) {
  LabelStatusRemaining->setText(Q(clock));
}

void TfrmProgress::ShowBatchStatus(const std::string& label, int percent) {
  LabelBatch->setText(Q(label));
  ProgressBarBatch->setValue(percent);
}

void TfrmProgress::ShowBatchEstimated(const std::string& clock) {
  LabelBatchEstimated->setText(Q(clock));
}

void TfrmProgress::ShowBatchRemaining(const std::string& clock) {
  LabelBatchRemaining->setText(Q(clock));
}

void TfrmProgress::ShowWorking(const std::string& text) {
  SetElided(LabelWorking, text);
}

void TfrmProgress::ShowOutput(const std::string& text) {
  SetElided(LabelOutput, text);
}

bool TfrmProgress::AnimationRunning() const {
  return Animate_Convert->Running();
}

void TfrmProgress::StartAnimation(const std::string& convertingText) {
  Animate_Convert->Start();
  Animate_Convert->show();
  LabelCovnerting->setText(Q(convertingText));
}

int TfrmProgress::RunModal() {
  if (!Closing_) {
    setWindowModality(parentWidget() != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    show();
    activateWindow();
    QEventLoop loop;
    Loop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    Loop_ = nullptr;
  }
  // Event loops ended underneath (the program is quitting): the batch stops
  // as with "Stop now", and no power action follows.
  if (!Closing_) Finish(mrCancel);
  Animate_Convert->Stop();
  hide();
  return Result_;
}

void TfrmProgress::Close(int modalResult) {
  if (Asking_) {
    // The question decides when; the batch has ended underneath it.
    DriverClosed_ = true;
    Result_ = modalResult;
    return;
  }
  Finish(modalResult);
}

void TfrmProgress::Finish(int modalResult) {
  Result_ = modalResult;
  Closing_ = true;
  if (Loop_ != nullptr) Loop_->exit();
}

void TfrmProgress::RequestClose() {
  if (Closing_ || Asking_) return;
  Asking_ = true;
  TCloseOutcome outcome;
  try {
    outcome = AskToClose([this] { return Finished_ || DriverClosed_; });
  } catch (...) {
    Asking_ = false;
    throw;
  }
  Asking_ = false;
  if (outcome.StopWhenDone) {
    GlobalVars.StopWhenDone = *outcome.StopWhenDone;
    LabelStopWhenDone->setVisible(*outcome.StopWhenDone);
  }
  if (!outcome.Close) return;
  // Closing on a finished batch keeps the driver's result.
  if (outcome.ModalResult != mrNone)
    Finish(outcome.ModalResult);
  else
    Finish(Result_ != 0 ? Result_ : mrOk);
}

void TfrmProgress::reject() {
  Guarded([this] { RequestClose(); });
}

void TfrmProgress::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!Closing_) Guarded([this] { RequestClose(); });
}

void TfrmProgress::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !isMinimized()) return;
  // Minimised along with its owner: nothing more to do.
  if (parentWidget() != nullptr && parentWidget()->window()->isMinimized()) return;
  setWindowState(windowState() & ~Qt::WindowMinimized);
  if (OnMinimiseProgram) OnMinimiseProgram();
}
