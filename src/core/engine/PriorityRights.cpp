// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PriorityRights.h"

#include <climits>

#include "engine/BatchDriver.h"

int RunnerNice(uint8_t runnerPriority) {
  switch (runnerPriority) {
    case 1:
      return 19;
    case 2:
      return 0;
    case 3:
      return -10;
    case 4:
      return -20;
    default:
      return INT_MIN;
  }
}

bool NiceAllowed(const TNiceRights& rights, int nice) {
  if (nice == INT_MIN || rights.SysNice || nice >= rights.CurrentNice) return true;
  return rights.NiceLimit < 0 || nice >= 20 - rights.NiceLimit;
}

bool PriorityChoiceAllowed(const TNiceRights& rights, int storedPriority) {
  if (storedPriority < 0 || storedPriority > 3) return true;
  return NiceAllowed(rights, RunnerNice(RunnerPriority(static_cast<uint8_t>(storedPriority))));
}
