// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchReport.h"

#include "Cli.h"

TProgressMode ProgressModeFromName(const std::string& name) {
  if (name.empty() || name == "auto") return TProgressMode::Auto;
  if (name == "terminal") return TProgressMode::Terminal;
  if (name == "plain") return TProgressMode::Plain;
  if (name == "json") return TProgressMode::Json;
  throw TUsageError{"unknown progress '" + name + "'" +
                    DidYouMean(name, {"terminal", "plain", "json"}) +
                    "; use auto, terminal, plain or json"};
}
