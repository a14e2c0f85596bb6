// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include "editors/TimeFields.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class TEditorState;

// Time control: the check box and the Start / End / Duration fields, each
// checked when the focus leaves it.
class TTimeGroup final : public QGroupBox {
  Q_OBJECT

 public:
  TTimeGroup(TEditorState& state, QWidget* parent);
  void Sync();
  // The exit handling of a field that still has the focus.
  void FinishEditing();

 signals:
  void Edited();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* NewField(TTimeField field, const QString& name);
  void Leave(TTimeField field);

  TEditorState& State_;
  QCheckBox* Enable_;
  QLabel* Hint_;
  QLabel* StartLabel_;
  QLabel* EndLabel_;
  QLabel* DurationLabel_;
  QLineEdit* Fields_[3];
  int Editing_ = -1;
};
