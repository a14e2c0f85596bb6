// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

// The value entry dialog: a prompt and one edit; OK closes only on a number
// within the bounds, explaining anything else.
class TfrmEnterValue final : public QDialog {
  Q_OBJECT

 public:
  TfrmEnterValue(QWidget* owner, const QString& title, const QString& prompt, int32_t max,
                 int32_t min);
  // The accepted number (valid after the dialog closed with OK).
  int32_t Value() const { return Value_; }

 private:
  void btnOKClick();

  QLabel* LabelDisplayMessage_;
  QLineEdit* EditValue_;
  QPushButton* btnOK_;
  QPushButton* btnCancel_;
  int32_t Max_;
  int32_t Min_;
  int32_t Value_ = 0;
};

// Shows the value entry dialog centred over owner and gives the accepted
// number, or current when the user cancels.
int32_t EnterIntegerValue(QWidget* owner, const QString& title, const QString& prompt,
                          int32_t current, int32_t max, int32_t min);
