// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/CommandLine.h"

// A started child: its id and the caller's ends of its three pipes. The
// output ends do not block; the input end is for keeping, not writing.
struct TStartedChild {
  pid_t Pid = 0;
  int InWrite = -1;
  int OutRead = -1;
  int ErrRead = -1;
};

// Starts `plan` as the leader of a new process group, with standard input,
// output and error on fresh pipes, in `directory` (blank = the caller's),
// with `environment` (none = the caller's) and the nice level of `priority`
// (1..4; a level the user may not take keeps the inherited one). The child
// is sent SIGTERM when the calling thread ends, so call from a thread that
// lives as long as the child should (the main thread). Raises
// EKinovertError with the pipe or "Error creating process : " messages and
// the errno; after a failure nothing stays open and no child is left.
TStartedChild StartChild(const TLaunchPlan& plan, const std::string& directory,
                         const std::optional<std::vector<std::string>>& environment,
                         uint8_t priority);

// Waits for the child's end and collects it; returns its exit status, 128 +
// the signal that ended it, or -1 when it could not be collected. `signal`,
// when given, gets the signal that ended the child, 0 when it exited.
int ReapChild(pid_t pid, int* signal = nullptr);

// SIGKILL to the child's process group, and to the child itself in case it
// has left the group.
void KillChildGroup(pid_t pid);

// Closes the descriptor if open and marks it closed.
void CloseDescriptor(int& fd);
