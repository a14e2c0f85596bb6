// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;
class QWidget;

// The file-information window: the media library's standard report of one
// file in a read-only memo, with OK and "Save File Info..." centred as a pair
// in a 40-pixel strip at the bottom, whatever the window's size.
class TfrmFileInfo final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmFileInfo(QWidget* owner);

  // Caption and report of a file.
  void ShowFile(const std::string& path);

  QPlainTextEdit* MemoInfo = nullptr;
  QWidget* PanelBottom = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnSave = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void LayoutButtons();
  void SaveFileInfo();
};

// The report window of the first selected file, over the owner.
void ShowFileInfo(QWidget* owner, const std::string& path);
