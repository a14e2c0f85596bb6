// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Guarded.h"

#include <cstdio>
#include <new>
#include <stdexcept>
#include <string>

#include "app/Dialogs.h"
#include "lang/ResStr.h"

void ShowFailure(const std::exception_ptr& failure) noexcept {
  std::string text;
  try {
    std::rethrow_exception(failure);
  } catch (const std::bad_alloc&) {
    text = "Out of memory.";
  } catch (const std::exception& e) {
    text = e.what();
  } catch (...) {
    text = "Unknown failure.";
  }
  try {
    MessageBoxText(text, ResStr(MSG_Error), MB_OK | MB_ICONHAND);
  } catch (...) {
    // Showing the message failed too: the console is all that is left.
    std::fprintf(stderr, "%s\n", text.c_str());
  }
}
