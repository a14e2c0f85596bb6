// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// What the machine can be asked to do after a batch. Requests that are refused
// (no rights, no session manager) simply do nothing: the machine stays on and
// the program stays open.
class TPowerControl {
 public:
  virtual ~TPowerControl() = default;
  virtual void PowerOff() = 0;
  virtual void Reboot() = 0;
  virtual void Hibernate() = 0;
  virtual void Suspend() = 0;
  virtual void EndSession() = 0;

  // Keeps the machine from going to sleep until the returned object is
  // destroyed; nullptr when no inhibitor can be had.
  class TInhibitor {
   public:
    virtual ~TInhibitor() = default;
  };
  virtual std::unique_ptr<TInhibitor> InhibitSleep(const std::string& why) = 0;
};

// The session manager of the desktop (systemd-logind through systemctl and
// loginctl).
std::unique_ptr<TPowerControl> CreateSystemPowerControl();

// Runs power action `flag`: 0 ends the program (through quitProgram, which
// takes the program's normal close path), 1 powers off, 2 ends the user's
// session ("Log off"), 3 restarts, 4 hibernates, 5 suspends; any other value
// does nothing. Before each of 1..5 saveFirst runs: the program may never get
// to close normally after them (and a suspended machine may not come back),
// so settings changed during the batch would be lost.
// Whether flag names one of the actions above (0..5).
constexpr bool IsPowerActionFlag(uint8_t flag) {
  return flag <= 5;
}

void RunPowerAction(uint8_t flag, TPowerControl& power, const std::function<void()>& quitProgram,
                    const std::function<void()>& saveFirst);
