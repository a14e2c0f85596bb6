// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

// The profile-name dialog of Add and Rename. OK takes the name only when
// AcceptProfileName does (trimmed, a valid file name); otherwise its warning
// has been shown and the text is selected for retyping, and the dialog stays
// open. Cancel, Esc and closing leave Accepted false.
class TfrmName final : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmName(QWidget* owner);

  // Creates the dialog centred over owner, opens it with name (selected) and
  // runs it: true with the accepted name in name, false and name untouched
  // otherwise.
  static bool Ask(QWidget* owner, std::string& name);

  // The accepted name, "" until OK accepted one.
  const std::string& Name() const { return Name_; }

  bool Accepted = false;
  QLabel* LabelName;
  QLineEdit* EditFileName;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 private:
  void btnOKClick();

  std::string Name_;
};
