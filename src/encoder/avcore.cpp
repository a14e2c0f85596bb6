// SPDX-License-Identifier: GPL-3.0-or-later
// avcore: the encoder the batch runs for every file. The translation to the
// installed FFmpeg is not wired up yet, so every run fails loudly.
#include <cstdio>

int main() {
  std::fprintf(stderr, "Error: this avcore build cannot encode yet\n");
  return 1;
}
