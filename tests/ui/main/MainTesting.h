// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "lang/ResStr.h"
#include "main/Main.h"
#include "profiles/ProfileSettings.h"
#include "support/RecordingDialogs.h"
#include "support/RunProgram.h"

// A main window over a program folder of its own: the shipped data copied
// into a fresh folder, so settings and profiles written stay there.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobalVars();
    ResetLanguage();
    ResetAllProfileSettings();
    std::filesystem::copy(KINOVERT_SOURCE_DIR "/data", Home.Path(), std::filesystem::copy_options::recursive);
    SetProgramFolder(Home.Path());
  }
  void TearDown() override {
    Window.reset();
    SetProgramFolder("");
    ResetGlobalVars();
    ResetLanguage();
    ResetAllProfileSettings();
  }

  TfrmMain& Open(bool started = true) {
    Window = std::make_unique<TfrmMain>();
    EXPECT_EQ(Window->Start(), started);
    if (started) Window->show();
    return *Window;
  }

  // Adds files and waits until they are all in.
  void AddAndWait(const std::vector<std::string>& paths) {
    Window->AddInputFiles(paths);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Window->AddingFiles(); }, 30000));
  }

  template <class T>
  T* Child(const char* name) const {
    T* child = Window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  TTempDir Home;
  TRecordingDialogs Dialogs;
  std::unique_ptr<TfrmMain> Window;
};

inline QString Q(const std::string& s) { return QString::fromUtf8(s.c_str()); }
