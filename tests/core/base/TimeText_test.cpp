// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/TimeText.h"

#include <gtest/gtest.h>

namespace {
constexpr int64_t H = 3600000, M = 60000, S = 1000;
}

TEST(TimeText, ParseAcceptedForms) {
  struct TCase {
    const char* Text;
    int64_t Ms;
  };
  const TCase cases[] = {
      {"1:02:03.004", 1 * H + 2 * M + 3 * S + 4},  // h:m:s.f
      {"0:00:01.5", 1500},                         // .f is a decimal fraction
      {"0:00:01.500", 1500},
      {"0:00:01.05", 1050},
      {"02:03.5", 2 * M + 3 * S + 500},  // m:s.f
      {"12.250", 12250},                 // s.f
      {"1.5", 1500},
      {"1.05", 1050},
      {".5", 500},
      {"1.0004", 1000},  // beyond the milliseconds: to the nearest,
      {"1.0006", 1001},
      {"1.0005", 1000},  // ties to the even millisecond
      {"1.0015", 1002},
      {"0.9995", 1000},
      {"90", 90 * S},    // s
      {"1:30", 90 * S},  // m:s
      {"1:00:00", H},    // h:m:s
      {"::", 0},         // empty fields read as 0
      {"25:01:01.001", 25 * H + M + S + 1},
      {"596:31:23.647", 2147483647},  // the largest time the profiles hold
  };
  for (const TCase& c : cases) EXPECT_EQ(ParseTimeText(c.Text), c.Ms) << c.Text;
}

TEST(TimeText, ParseRejects) {
  for (const char* text : {
           "",               // empty
           "1.2.3",          // two points
           "1:2.3:4",        // a point before the last colon
           "1:2:3:4",        // three colons
           "1:2:3.4.5",      //
           " 90",            // blanks are not time characters
           "-5",             //
           "1m",             //
           "1,5",            // a comma is not a decimal point, whatever the locale
           "596:31:23.648",  // beyond the 32-bit milliseconds of the profiles
           "99999999999",    // a field beyond 32 bits
           "2147484",        // seconds that would wrap around in 32 bits
       })
    EXPECT_EQ(ParseTimeText(text), -1) << '"' << text << '"';
}

TEST(TimeText, Format) {
  struct TCase {
    int64_t Ms;
    const char* Text;
  };
  const TCase cases[] = {
      {0, "0:00:00.000"},
      {1 * H + 2 * M + 3 * S + 4, "1:02:03.004"},
      {25 * H + M + S + 1, "25:01:01.001"},  // not wrapped at a day
      {1234 * H + 59 * M + 59 * S + 999, "1234:59:59.999"},
      {-1500, "-0:00:01.500"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(FormatTimeText(c.Ms), c.Text) << c.Ms;
    if (c.Ms >= 0 && c.Ms <= 2147483647) {
      EXPECT_EQ(ParseTimeText(c.Text), c.Ms) << c.Text;
    }
  }
}

TEST(TimeText, EncoderTimes) {
  struct TCase {
    const char* Text;
    int64_t Ms;
  };
  const TCase cases[] = {
      {"00:00:40.00", 40000},
      {"01:02:03.45", H + 2 * M + 3450},
      {"0:00:30.000", 30000},
      {"00:00:00.0005", 0},  // ties go to the even millisecond
      {"00:00:00.0015", 2},
      {"00:00:00.0025", 2},
      {"00:00:02.0035", 2004},  // exact: a double would make this 2003.4999...
      {"00:00:00.00251", 3},
      {"00:00:00.0004999", 0},
      {"00:00:07", 7000},
      {"xx:01:05.5", M + 5500},  // a part that does not read counts as 0
      {"01:yy:05", H + 5000},
      {"01:00:zz", H},
      {"1:2", M + 2000},  // shorter forms: the trailing parts of a full time
      {"42.5", 42500},
      {"1:2:3:4", 0},
      {"", 0},
  };
  for (const TCase& c : cases) EXPECT_EQ(TimeTextToMs(c.Text), c.Ms) << c.Text;
}

TEST(TimeText, RoundHalfEven) {
  struct TCase {
    double X;
    int64_t R;
  };
  for (const TCase& c : {TCase{0.5, 0}, TCase{1.5, 2}, TCase{2.5, 2}, TCase{838.9, 839},
                         TCase{-0.5, 0}, TCase{-1.5, -2}, TCase{2.4999, 2}, TCase{1e300, 0}})
    EXPECT_EQ(RoundHalfEven(c.X), c.R) << c.X;
}
