// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving a profile with every key, for the largest record (AVI)
// and a small one (MP3). Run: build-bench/bench/bench_profiles
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/GlobalVars.h"
#include "profiles/ProfileSettings.h"

namespace {

std::string TempProfile(int format) {
  char dir[] = "/tmp/kinovert-bench-XXXXXX";
  std::string path = std::string(::mkdtemp(dir)) + "/p.ini";
  DefaultProfile(format);
  SaveProfile(format, path);
  return path;
}

void BM_LoadProfile(benchmark::State& state) {
  int format = static_cast<int>(state.range(0));
  std::string path = TempProfile(format);
  for (auto _ : state) LoadProfile(format, path);
  state.SetLabel(std::string(OutputFormatNames[static_cast<size_t>(format)]) + ", " +
                 std::to_string(ProfileKeys(format).size()) + " keys");
}

// Every save rewrites the file: alternate two values so nothing is skipped.
void BM_SaveProfile(benchmark::State& state) {
  int format = static_cast<int>(state.range(0));
  std::string path = TempProfile(format);
  bool flip = false;
  for (auto _ : state) {
    DefaultProfile(format);
    flip = !flip;
    if (format == ofAVI) AVISettings.VideoWidthDivX = flip ? 1 : 2;
    if (format == ofMP3) Mp3Settings.AudioBitRatePresetMp3 = flip ? 1 : 2;
    SaveProfile(format, path);
  }
  state.SetLabel(std::string(OutputFormatNames[static_cast<size_t>(format)]));
}

}  // namespace

BENCHMARK(BM_LoadProfile)->Arg(ofAVI)->Arg(ofMP3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveProfile)->Arg(ofAVI)->Arg(ofMP3)->Unit(benchmark::kMicrosecond);
