// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ProgressLayout.h"

#include <gtest/gtest.h>

TEST(ProgressLayout, TrayButtonByBuildLanguageGrowingLeftForItsCaption) {
  struct TCase {
    int Language, Needed, CancelLeft;
    TButtonPlace Expected;
  } cases[] = {
      {0, 90, 398, {270, 110}},  {2, 110, 398, {270, 110}}, {1, 90, 398, {160, 225}},
      {1, 225, 398, {160, 225}}, {0, 164, 398, {216, 164}}, {3, 200, 398, {180, 200}},
      {1, 240, 398, {145, 240}}, {0, 1000, 398, {16, 364}}, {1, 90, 380, {147, 225}},
      {0, 90, 370, {252, 110}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Language << " " << c.Needed << " " << c.CancelLeft);
    EXPECT_EQ(TrayButtonPlace(c.Language, c.Needed, c.CancelLeft, 16), c.Expected);
  }
}
