// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class TVideoBlockState;

// Keep the source size, or change it with the size list or the width and
// height edits; leaving an edit applies the block's even rule.
class TVideoSizeGroup final : public QGroupBox {
  Q_OBJECT

 public:
  TVideoSizeGroup(TVideoBlockState& block, const QString& suffix, QWidget* parent);
  void Sync();
  // The exit handling of an edit that still has the focus (Save takes the
  // focus first, so nothing typed escapes the rule).
  void FinishEditing();

 signals:
  void Edited();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Leave(QSpinBox* edit);
  void Changed();

  TVideoBlockState& Block_;
  QRadioButton* Keep_;
  QRadioButton* Change_;
  QLabel* Dimensions_;
  QComboBox* Sizes_;
  QLabel* WidthLabel_;
  QLabel* HeightLabel_;
  QLabel* X_;
  QSpinBox* Width_;
  QSpinBox* Height_;
  QSpinBox* Editing_ = nullptr;
};
