// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "engine/PriorityRights.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

// The settings dialog of ActionSettings: the encoder's priority, what
// "Shut down the computer when done" does, the DirectShow route, and whether the
// sources are deleted after a good conversion. Its lists are filled each
// time it is created, so they follow the current language. A priority the
// user may not take is said to fall back, under its list.
class TfrmSettings final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSettings(QWidget* owner);

  // ActionSettings: created centred over owner, filled from the settings,
  // shown; OK stores the values and writes the settings file at once,
  // Cancel and Escape change nothing. True on OK.
  static bool Run(QWidget* owner);

  void LoadSettingsDialog();
  void StoreSettingsDialog() const;

  // The rights the priority note goes by: this process's, unless a test
  // says otherwise (then UpdatePriorityNote).
  TNiceRights Rights;
  void UpdatePriorityNote();

  QTabWidget* PageControlOptions;
  QWidget* TabSheetGeneral;
  QGroupBox* GroupBoxPriority;
  QComboBox* ComboBoxPriority;
  QLabel* LabelPriorityNote;
  QGroupBox* GroupBoxDirectShow;
  QCheckBox* CheckBoxDirectShow;
  QGroupBox* GroupBoxSources;
  QCheckBox* CheckBoxDelSource;
  QLabel* LabelShutDown;
  QComboBox* ComboBoxShutdownFlag;
  QPushButton* ButtonOK;
  QPushButton* ButtonCancel;
};
