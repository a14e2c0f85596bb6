// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Sets an environment variable (nullptr: removes it) for one test and puts
// the old value back.
class TEnvVar {
 public:
  TEnvVar(const char* name, const char* value) : Name_(name) {
    if (const char* old = std::getenv(name)) Old_ = old;
    if (value != nullptr)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~TEnvVar() {
    if (Old_)
      ::setenv(Name_, Old_->c_str(), 1);
    else
      ::unsetenv(Name_);
  }
  TEnvVar(const TEnvVar&) = delete;
  TEnvVar& operator=(const TEnvVar&) = delete;

 private:
  const char* Name_;
  std::optional<std::string> Old_;
};
