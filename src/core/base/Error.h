// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// The one exception type of core: it carries the user-facing message text,
// which the caller shows as it stands (the GUI in its standard error box,
// kinovert-cli on stderr).
class EKinovertError : public std::runtime_error {
 public:
  explicit EKinovertError(const std::string& message) : std::runtime_error(message) {}
};
