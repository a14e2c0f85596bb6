// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/QtDialogProvider.h"

// Classic filters in Qt's form: each pattern group once, "*.*" as every file.
TEST(QtFileFilter, ClassicFiltersInQtsForm) {
  struct TCase {
    const char* Classic;
    const char* Qt;
  } cases[] = {
      {"Text Files (*.txt)|*.txt|All Files (*.*)|*.*", "Text Files (*.txt);;All Files (*)"},
      {"Video|*.avi;*.mpg|All|*.*", "Video (*.avi *.mpg);;All (*)"},
      {"Media (avi, mpg)|*.avi;*.mpg", "Media (*.avi *.mpg)"},
  };
  for (const TCase& c : cases) EXPECT_EQ(QtFileFilter(c.Classic).toStdString(), c.Qt) << c.Classic;
}
