# SPDX-License-Identifier: GPL-3.0-or-later
# One place for warning flags: every target of ours links kinovert_warnings.
add_library(kinovert_warnings INTERFACE)
target_compile_options(kinovert_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
  -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
if(KINOVERT_WERROR)
  target_compile_options(kinovert_warnings INTERFACE -Werror)
endif()
