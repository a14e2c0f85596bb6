// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <utility>

// The one boundary between core's exceptions and Qt's event loop: every slot,
// posted call and timer handler that calls core runs its body through
// Guarded, which shows a failure as a message box and leaves the program
// usable. Qt must never see an exception.
void ShowFailure(const std::exception_ptr& failure) noexcept;

template <class Fn>
bool Guarded(Fn&& body) noexcept {
  try {
    std::forward<Fn>(body)();
    return true;
  } catch (...) {
    ShowFailure(std::current_exception());
    return false;
  }
}
