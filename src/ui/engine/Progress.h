// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "engine/BatchView.h"

class QCheckBox;
class QEventLoop;
class QLabel;
class QProgressBar;
class QPushButton;
class TConvertAnimation;
class TProgressPanel;

// The progress window of a batch, as the driver's TProgressView: the
// current file's and the whole batch's progress and times, "Stop now" or
// "When done" through its close question (AskToClose), the two check boxes
// that write straight into the settings, and Send to tray. RunModal shows
// it modal to its owner and runs Qt's events until it closes; it is not a
// QDialog::exec, so the window can be hidden (sent to the tray) while the
// batch goes on.
class TfrmProgress final : public QDialog, public TProgressView {
  Q_OBJECT
 public:
  explicit TfrmProgress(QWidget* owner);
  ~TfrmProgress() override;

  // What the host does for Send to tray, and for minimising: the whole
  // program goes, not the dialog alone.
  std::function<void()> OnSendToTray;
  std::function<void()> OnMinimiseProgram;

  // A close the user asks for (Cancel, the close box, Escape, the tray
  // menu): the close question unless the batch has finished. Nothing while
  // the question is already open or the window is closing.
  void RequestClose();
  bool Finished() const { return Finished_; }
  bool Asking() const { return Asking_; }
  bool Closing() const { return Closing_; }
  int ModalResult() const { return Result_; }

  // The state before the first output.
  void ResetProgress();
  // A file of the batch failed: its name and reason on the status line,
  // every failure of the batch in its tip.
  void ShowFailure(const std::string& text);

  // TProgressView
  void SetCaption(const std::string& text) override;
  void SetStopLabel(const std::string& text) override;
  void ResetLabels() override { ResetProgress(); }
  void ShowBatchElapsed(const std::string& clock) override;
  void ShowFileStatus(const std::string& label, int percent) override;
  void ShowFileRemaining(const std::string& clock) override;
  void ShowBatchStatus(const std::string& label, int percent) override;
  void ShowBatchEstimated(const std::string& clock) override;
  void ShowBatchRemaining(const std::string& clock) override;
  void ShowWorking(const std::string& text) override;
  void ShowOutput(const std::string& text) override;
  bool AnimationRunning() const override;
  void StartAnimation(const std::string& convertingText) override;
  void SetFinished() override { Finished_ = true; }
  int RunModal() override;
  void Close(int modalResult) override;

  TProgressPanel* PanelImage;
  QLabel* LabelCovnerting;
  TConvertAnimation* Animate_Convert;
  QLabel* LabelStatusRemainingSingle;
  QLabel* LabelStatusRemaining;
  QLabel* LabelStatus;
  QProgressBar* ProgressBarStatus;
  QLabel* LabelBatch;
  QProgressBar* ProgressBarBatch;
  QLabel* LabelRemaining;
  QLabel* LabelBatchRemaining;
  QLabel* LabelElapsed;
  QLabel* LabelBatchElapsed;
  QLabel* Labelestimated;
  QLabel* LabelBatchEstimated;
  QLabel* LabelWorking;
  QLabel* LabelOutput;
  QLabel* LabelFailed;
  QLabel* LabelStopWhenDone;
  QCheckBox* CheckBoxDelSource;
  QCheckBox* CheckBoxShutdown;
  QPushButton* ButtonTray;
  QPushButton* ButtonCancel;

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateControls();
  void SetTexts();
  void PlaceControls();
  void Finish(int modalResult);

  QStringList Failures_;  // of this batch, for the status line's tip
  bool Finished_ = false;
  bool Asking_ = false;
  bool DriverClosed_ = false;  // the driver closed it while the question was open
  bool Closing_ = false;
  int Result_ = 0;
  QEventLoop* Loop_ = nullptr;
};
