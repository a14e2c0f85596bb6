// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

// The settings dialog of ActionSettings: the encoder's priority, what
// "Shut down the computer when done" does, and the DirectShow route. Its lists
// are filled each time it is created, so they follow the current language.
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

  QTabWidget* PageControlOptions;
  QWidget* TabSheetGeneral;
  QGroupBox* GroupBoxPriority;
  QComboBox* ComboBoxPriority;
  QGroupBox* GroupBoxDirectShow;
  QCheckBox* CheckBoxDirectShow;
  QLabel* LabelShutDown;
  QComboBox* ComboBoxShutdownFlag;
  QPushButton* ButtonOK;
  QPushButton* ButtonCancel;
};
