// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PowerActions.h"

void RunPowerAction(uint8_t flag, TPowerControl& power, const std::function<void()>& quitProgram,
                    const std::function<void()>& saveFirst) {
  if (flag == 0) {
    if (quitProgram) quitProgram();
    return;
  }
  if (flag > 5) return;
  if (saveFirst) saveFirst();
  switch (flag) {
    case 1: power.PowerOff(); break;
    // Listed as "Log off", so it ends the session rather than powering off.
    case 2: power.EndSession(); break;
    case 3: power.Reboot(); break;
    case 4: power.Hibernate(); break;
    default: power.Suspend(); break;
  }
}
