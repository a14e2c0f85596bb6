// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>

#include "engine/PriorityRights.h"

namespace {

constexpr int kCapSysNice = 23;

// The effective capabilities from /proc; root's when they cannot be read.
bool HasSysNice() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("CapEff:", 0) == 0) {
      try {
        return (std::stoull(line.substr(7), nullptr, 16) >> kCapSysNice & 1) != 0;
      } catch (...) {
        break;
      }
    }
  return ::geteuid() == 0;
}

}  // namespace

TNiceRights CurrentNiceRights() {
  TNiceRights rights;
  errno = 0;
  const int nice = ::getpriority(PRIO_PROCESS, 0);
  rights.CurrentNice = nice == -1 && errno != 0 ? 0 : nice;
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_NICE, &limit) == 0)
    rights.NiceLimit =
        limit.rlim_cur == RLIM_INFINITY ? -1 : static_cast<long long>(limit.rlim_cur);
  rights.SysNice = HasSysNice();
  return rights;
}
