// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRadioButton>
#include <QSignalBlocker>
#include <QString>
#include <initializer_list>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QTabWidget;
class QWidget;

// Small constructors for the editors' widgets: every control carries the
// object name tests and readers find it by.
QLabel* NewLabel(const QString& text, const QString& name, QWidget* parent);
QRadioButton* NewRadio(const QString& text, const QString& name, QWidget* parent);
QComboBox* NewCombo(const QString& name, QWidget* parent);
QGroupBox* NewGroup(const QString& title, const QString& name, QWidget* parent);

void SetAllEnabled(std::initializer_list<QWidget*> widgets, bool enabled);
// Checks button index of a radio group (the others go off) without running
// any of their handlers.
void CheckOne(std::initializer_list<QRadioButton*> group, int index);
template <class Buttons>
void CheckOne(const Buttons& group, int index);
// Selects a list item (-1: none) without running the change handler.
void SelectQuietly(QComboBox* combo, int index);
// Shows or hides the tab of a page. A hidden tab is disabled too: Ctrl+Tab,
// Ctrl+PgUp/PgDn and mnemonics skip disabled tabs only, and would otherwise
// open a page the rules hide. Hiding the open page opens the first one.
void ShowTab(QTabWidget* tabs, QWidget* page, bool shown);

template <class Buttons>
void CheckOne(const Buttons& group, int index) {
  std::vector<QSignalBlocker> blocks;
  for (QRadioButton* b : group) blocks.emplace_back(b);
  int i = 0;
  for (QRadioButton* b : group)
    if (i++ == index) b->setChecked(true);
}
