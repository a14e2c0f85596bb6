// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// The thread that owns all program state. Worker threads never touch that
// state themselves: they hand work over through this interface. The GUI
// implements it on its event loop (a blocking queued invocation for
// RunAndWait); kinovert-cli and the tests use TEventLoop.
//
// An exception that escapes a call belongs to the main thread's own error
// handling (TEventLoop: it leaves ProcessEvents/RunUntil); a thread waiting
// in RunAndWait is released either way.
class TMainThread {
 public:
  virtual ~TMainThread() = default;

  // Runs `call` on the main thread and returns once it has returned. Called
  // on the main thread itself, it runs `call` at once.
  virtual void RunAndWait(std::function<void()> call) = 0;

  // Queues `call` to run later on the main thread, after what is queued
  // already; returns at once and never waits for the main thread. Safe from
  // any thread, the main one included.
  virtual void Post(std::function<void()> call) = 0;
};
