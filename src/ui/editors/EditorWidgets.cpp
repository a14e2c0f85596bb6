// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/EditorWidgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

QLabel* NewLabel(const QString& text, const QString& name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QRadioButton* NewRadio(const QString& text, const QString& name, QWidget* parent) {
  auto* radio = new QRadioButton(text, parent);
  radio->setObjectName(name);
  return radio;
}

QComboBox* NewCombo(const QString& name, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  return combo;
}

QGroupBox* NewGroup(const QString& title, const QString& name, QWidget* parent) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  return group;
}

void SetAllEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
  for (QWidget* w : widgets) w->setEnabled(enabled);
}

void CheckOne(std::initializer_list<QRadioButton*> group, int index) {
  CheckOne<std::initializer_list<QRadioButton*>>(group, index);
}

void SelectQuietly(QComboBox* combo, int index) {
  if (combo->currentIndex() == index) return;
  const QSignalBlocker block(combo);
  combo->setCurrentIndex(index);
}

void ShowTab(QTabWidget* tabs, QWidget* page, bool shown) {
  const int index = tabs->indexOf(page);
  if (index < 0) return;
  tabs->setTabEnabled(index, shown);
  tabs->setTabVisible(index, shown);
  if (!shown && tabs->currentIndex() == index) tabs->setCurrentIndex(0);
}
