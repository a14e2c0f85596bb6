// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Guarded.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/Error.h"
#include "support/RecordingDialogs.h"

TEST(Guarded, CoreFailureBecomesAMessageAndTheCallerGoesOn) {
  TRecordingDialogs dialogs;
  EXPECT_FALSE(Guarded([] { throw EKinovertError("Unable to write to /ro/info.ini"); }));
  EXPECT_FALSE(Guarded([] { throw std::bad_alloc(); }));
  EXPECT_FALSE(Guarded([] { throw 42; }));
  EXPECT_TRUE(Guarded([] {}));
  ASSERT_EQ(dialogs.Messages.size(), 3u);
  EXPECT_EQ(dialogs.Messages[0].Text, "Unable to write to /ro/info.ini");
  EXPECT_EQ(dialogs.Messages[0].Caption, "Error");
  EXPECT_EQ(dialogs.Messages[1].Text, "Out of memory.");
  EXPECT_EQ(dialogs.Messages[2].Text, "Unknown failure.");
}
