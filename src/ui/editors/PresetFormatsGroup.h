// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <vector>

class QCheckBox;
class QRadioButton;
class TEditorState;

// The MPEG editor's preset formats: the check box, the type (VCD, SVCD, DVD)
// and the target (Auto, NTSC, PAL).
class TPresetFormatsGroup final : public QGroupBox {
  Q_OBJECT

 public:
  TPresetFormatsGroup(TEditorState& state, QWidget* parent);
  void Sync();

 signals:
  void Edited();

 private:
  QGroupBox* NewRadioGroup(const QString& title, const QString& name,
                           const std::vector<QString>& items, std::vector<QRadioButton*>& buttons,
                           int which);

  TEditorState& State_;
  QCheckBox* Use_;
  QGroupBox* TypeGroup_;
  QGroupBox* TargetGroup_;
  std::vector<QRadioButton*> Types_;
  std::vector<QRadioButton*> Targets_;
};
