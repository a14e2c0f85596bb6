// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QWidget>
#include <memory>

#include "editors/ProfileEditor.h"
#include "editors/ProfileEditors.h"

// The named child of a window, failing the test when it is missing.
template <class T>
T* Child(const QWidget* window, const char* name) {
  T* child = window->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// An editor as the opener leaves it: created, loaded from the format's record
// and shown as the active window, so focus moves as a user's would.
inline std::unique_ptr<TProfileEditor> OpenEditor(int format) {
  std::unique_ptr<TProfileEditor> editor = CreateProfileEditor(nullptr, format);
  editor->LoadControls();
  editor->show();
  editor->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
  return editor;
}

inline bool TabShown(const TProfileEditor& editor, const char* tabName) {
  auto* tabs = Child<QTabWidget>(&editor, "PageControlOptions");
  QWidget* tab = Child<QWidget>(&editor, tabName);
  return tabs->isTabVisible(tabs->indexOf(tab));
}
