// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PowerActions.h"

#include <gtest/gtest.h>

namespace {

class TRecordingPower final : public TPowerControl {
 public:
  std::string Calls;
  void PowerOff() override { Calls += "poweroff;"; }
  void Reboot() override { Calls += "reboot;"; }
  void Hibernate() override { Calls += "hibernate;"; }
  void Suspend() override { Calls += "suspend;"; }
  void EndSession() override { Calls += "endsession;"; }
  std::unique_ptr<TInhibitor> InhibitSleep(const std::string&) override { return nullptr; }
};

}  // namespace

TEST(PowerActions, EachFlagAsksForItsActionAfterSaving) {
  // Whatever may end the program without its normal close saves first; 0 is
  // that normal close itself, and unknown flags do nothing at all.
  const std::pair<int, const char*> cases[] = {
      {0, "quit;"},           {1, "save;poweroff;"}, {2, "save;endsession;"},
      {3, "save;reboot;"},    {4, "save;hibernate;"}, {5, "save;suspend;"},
      {6, ""},                {9, ""},               {255, ""}};
  for (auto [flag, expected] : cases) {
    TRecordingPower power;
    RunPowerAction(
        static_cast<uint8_t>(flag), power, [&] { power.Calls += "quit;"; },
        [&] { power.Calls += "save;"; });
    EXPECT_EQ(power.Calls, expected) << flag;
  }
}
