// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/BatchOutcome.h"

#include "base/FormatText.h"
#include "lang/ResStr.h"

std::string BatchSummaryText(const TBatchOutcome& o) {
  const std::string converted = std::to_string(o.Converted), total = std::to_string(o.Total),
                    failed = std::to_string(o.Failed);
  if (o.Stopped)
    return o.Failed > 0 ? FormatText(ResStr(MSG_BATCH_STOPPED_FAILED), {converted, total, failed})
                        : FormatText(ResStr(MSG_BATCH_STOPPED), {converted, total});
  if (o.Failed > 0 || o.Converted < o.Total)
    return FormatText(ResStr(MSG_BATCH_SOME_FAILED), {converted, total, failed});
  return FormatText(ResStr(MSG_BATCH_ALL_CONVERTED), {converted, total});
}
