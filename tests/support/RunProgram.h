// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

struct TRunResult {
  int ExitCode = -1;  // 128 + signal when killed
  std::string Out;
  std::string Err;
};

// Runs a program with the given arguments (no shell), the environment of the
// test plus `env` entries ("NAME=value"), and captures both output streams.
TRunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::vector<std::string>& env = {});

// A fresh empty folder below the system's temporary folder, removed with its
// contents when the object goes.
class TTempDir {
 public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;
  const std::string& Path() const { return Path_; }  // ends with "/"
  std::string operator/(const std::string& name) const { return Path_ + name; }

 private:
  std::string Path_;
};

// Small file helpers for tests.
std::string ReadFileText(const std::string& fileName);
void WriteFileText(const std::string& fileName, const std::string& text);
bool FileExists(const std::string& fileName);
