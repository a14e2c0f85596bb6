// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ValueEntry.h"

#include <gtest/gtest.h>

#include "support/RecordingDialogs.h"

namespace {

struct TEntryCase {
  const char* Text;
  bool Accepted;
  int32_t Value;
  const char* Message;  // empty when accepted
};

const TEntryCase kCases[] = {
    {"abc", false, 0, "The value you entered is not valid. Error at position 1."},
    {"12a", false, 0, "The value you entered is not valid. Error at position 3."},
    {"", false, 0, "The value you entered is not valid. Error at position 1."},
    {"-", false, 0, "The value you entered is not valid. Error at position 2."},
    {" 64", false, 0, "The value you entered is not valid. Error at position 1."},
    {"99999999999", false, 0, "The value you entered is not valid. Error at position 10."},
    {"50", false, 0,
     "The value you entered is not valid. Please make sure the value is between 64 and 9600!"},
    {"9601", false, 0,
     "The value you entered is not valid. Please make sure the value is between 64 and 9600!"},
    {"-64", false, 0,
     "The value you entered is not valid. Please make sure the value is between 64 and 9600!"},
    {"64", true, 64, ""},
    {"9600", true, 9600, ""},
    {"+1080", true, 1080, ""},
};

class ValueEntryTest : public testing::TestWithParam<TEntryCase> {};

TEST_P(ValueEntryTest, BoundsAreInclusiveAndFaultsAreExplained) {
  const TEntryCase& c = GetParam();
  TRecordingDialogs dialogs;
  int32_t value = -1;
  EXPECT_EQ(AcceptEnteredValue(c.Text, 64, 9600, value), c.Accepted);
  if (c.Accepted) {
    EXPECT_EQ(value, c.Value);
    EXPECT_TRUE(dialogs.Messages.empty());
  } else {
    EXPECT_EQ(value, -1);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, c.Message);
    EXPECT_EQ(dialogs.Messages[0].Caption, "Invalid Value");
    EXPECT_EQ(dialogs.Messages[0].Flags, MB_OK | MB_ICONEXCLAMATION);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ValueEntryTest, testing::ValuesIn(kCases));

}  // namespace
