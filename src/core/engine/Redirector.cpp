// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Redirector.h"

#include <cctype>

#include "base/Error.h"

namespace {

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

std::string TRedirector::FullCommandLine() const {
  return ApplicationName.empty() ? Commandline_ : ApplicationName + " " + Commandline_;
}

void TRedirector::SetCommandline(const std::string& value) {
  // Handing back the running command line is harmless, so it is allowed.
  if (Active() && !SameTextIgnoringCase(value, FullCommandLine()))
    throw EKinovertError("Cannot change Commandline while process is active");
  Commandline_ = value;
}

void TRedirector::SetDefaultErrorMode(bool value) {
  if (Active() && value != DefaultErrorMode_)
    throw EKinovertError("Cannot change DefaultErrorMode while process is active");
  DefaultErrorMode_ = value;
}

void TRedirector::SetInitialPriority(uint8_t value) {
  // Even the same value is refused while a child runs. The message keeps its
  // established spelling.
  if (Active()) throw EKinovertError("Cannot change InititalPriority while process is active");
  InitialPriority_ = value;
}
