// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// How a batch ended, for the views to tell: files of the batch converted and
// failed, and whether a stop (Stop now, When done, a file that could not
// start) left files unconverted.
struct TBatchOutcome {
  int Total = 0, Converted = 0, Failed = 0;
  bool Stopped = false;
  // "name failed: reason" of each failed file, in the batch's order.
  std::vector<std::string> Failures;
  bool operator==(const TBatchOutcome&) const = default;
};

// The outcome in one sentence: every file converted; N of M converted, K
// failed; or stopped with N of M converted (and K failed).
std::string BatchSummaryText(const TBatchOutcome& outcome);
