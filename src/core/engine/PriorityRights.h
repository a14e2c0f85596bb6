// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The nice level of a runner priority: 1 idle 19, 2 normal 0, 3 high -10,
// 4 realtime -20; INT_MIN for any other value (the inherited level).
int RunnerNice(uint8_t runnerPriority);

// What decides whether this user may give the encoder a nice level: a
// level at or above the program's own is always allowed; a lower one only
// with CAP_SYS_NICE, or down to 20 - RLIMIT_NICE's soft limit.
struct TNiceRights {
  int CurrentNice = 0;
  long long NiceLimit = 0;  // RLIMIT_NICE's soft limit; -1 for no limit
  bool SysNice = false;     // CAP_SYS_NICE in the effective set
};

// The rights of this process, as its children inherit them.
TNiceRights CurrentNiceRights();

bool NiceAllowed(const TNiceRights& rights, int nice);

// Whether a stored priority choice (Idle, Normal, High, Realtime: 0..3)
// takes effect; a level refused falls back to the inherited one, so the
// settings dialog says so.
bool PriorityChoiceAllowed(const TNiceRights& rights, int storedPriority);
