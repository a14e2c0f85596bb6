// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// What the batch knows once a file's encoder has ended, to tell why the
// file failed.
struct TFileEndFacts {
  std::string FailureLine;  // the first failure line the encoder printed
  int ExitCode = 0;         // its exit status, or 128 + the signal that ended it
  // The signal that ended the encoder when the batch did not send it; 0
  // when the encoder exited by itself (or the batch stopped it).
  int KilledBy = 0;
  // The device preset's commands ran through /bin/sh, which tells a
  // command killed by a signal by the exit status 128 + the signal.
  bool DeviceRoute = false;
  std::string Output;  // the output file the batch reserved
  bool OutputFolderExists = true;
  int64_t OutputSize = -1;  // -1: there is no such file
  // A file of the output folder the device preset wrote in the output's
  // place (its name only); empty when none was found.
  std::string WrittenInstead;
};

// Why the file failed, in one line, most telling first: stopped from
// outside by a signal; the output folder removed under it; the encoder's
// own failure line; its exit status; a preset that wrote another file, or
// no file at all; an output that is gone; an empty output.
std::string FileFailureReason(const TFileEndFacts& facts);

// "SIGKILL" for 9; "signal N" where the system has no name for it.
std::string SignalName(int signal);
