# SPDX-License-Identifier: GPL-3.0-or-later
# Sanitizers apply to every target, so the whole test suite runs under them.
if(KINOVERT_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    list(APPEND _san -fsanitize=float-cast-overflow)
  endif()
  add_compile_options(${_san})
  add_link_options(${_san})
endif()
if(KINOVERT_BUILD_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "KINOVERT_BUILD_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
# The fuzzer steers by the coverage of the code under test, which lives in
# the libraries: every target carries the coverage probes, only the fuzz
# executables the fuzzer's main().
if(KINOVERT_BUILD_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
