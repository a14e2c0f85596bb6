# SPDX-License-Identifier: GPL-3.0-or-later
# One place for warning flags: every target of ours links kinovert_warnings.
add_library(kinovert_warnings INTERFACE)
target_compile_options(kinovert_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
  -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
# GCC 12 reports impossible overlaps in std::string's own code when strings
# are joined at -O2 and above (a known false positive); it finds nothing of ours.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(kinovert_warnings INTERFACE -Wno-restrict)
endif()
if(KINOVERT_WERROR)
  target_compile_options(kinovert_warnings INTERFACE -Werror)
endif()
