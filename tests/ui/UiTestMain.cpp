// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for every window test, on the offscreen platform unless
// the caller chose another (xvfb-run for looking at the windows).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
