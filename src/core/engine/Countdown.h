// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The countdown before a power action. It opens at 30 seconds and shows the
// value left after each tick of its clock (one second in the program, as fast
// as a test likes), so the user sees 30 down to 0; the tick after 0 runs it
// out, about 31 seconds after it opened. Cancelled, it stays cancelled.
class TCountdown final {
 public:
  static constexpr int kStartSeconds = 30;
  enum class TState { Running, RunOut, Cancelled };

  int SecondsLeft() const { return SecondsLeft_; }
  TState State() const { return State_; }

  // One tick of the clock; returns the state after it. Does nothing once the
  // countdown has ended either way.
  TState Tick();
  void Cancel();

  // "Time left: 30", from the text table.
  std::string TimeLeftText() const;

 private:
  int SecondsLeft_ = kStartSeconds;
  TState State_ = TState::Running;
};

// The countdown window's warning, naming the action of ShutdownFlag `flag`
// that follows (close the program, power off, log off, restart, hibernate,
// suspend) with the product title in it.
std::string CountdownWarningDetail(uint8_t flag);
// Its caption: the action as the settings dialog lists it.
std::string CountdownTitle(uint8_t flag);
