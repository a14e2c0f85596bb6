// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the runner reports a child's end, and how fast output flows:
//   redirector_bench [runs]
// prints the median (and spread) of the time from a child's exit to
// OnTerminated, and the time 100 MB of output take through the pipes.
// The program runs itself as the child.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "engine/CommandLine.h"
#include "engine/EventLoop.h"
#include "engine/Redirector.h"

namespace {

constexpr uint64_t kFloodBytes = 100ull * 1024 * 1024;

uint64_t MonotonicNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint64_t>(ts.tv_sec) * 1000000000ull + static_cast<uint64_t>(ts.tv_nsec);
}

// Child: tells the moment it leaves, then leaves.
int ChildStamp() {
  std::string text = std::to_string(MonotonicNs());
  ssize_t ignored = ::write(1, text.data(), text.size());
  (void)ignored;
  ::_exit(0);
}

int ChildFlood(uint64_t bytes) {
  std::vector<char> block(64 * 1024);
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>('a' + i % 26);
  while (bytes > 0) {
    size_t n = static_cast<size_t>(std::min<uint64_t>(bytes, block.size()));
    ssize_t written = ::write(1, block.data(), n);
    if (written <= 0) return 1;
    bytes -= static_cast<uint64_t>(written);
  }
  return 0;
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  size_t index = static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[index];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--child-stamp") == 0) return ChildStamp();
  if (argc >= 3 && std::strcmp(argv[1], "--child-flood") == 0)
    return ChildFlood(std::strtoull(argv[2], nullptr, 10));
  const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 200;

  char self[4096];
  ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return 2;
  const std::string program = QuoteArgument(std::string(self, static_cast<size_t>(length)));

  TEventLoop loop;
  TRedirector runner(loop);
  std::string out;
  uint64_t received = 0;
  uint64_t endNs = 0;
  bool ended = false;
  runner.OnData = [&](TRedirector&, const char* buffer, int32_t size) {
    if (out.size() < 64) out.append(buffer, static_cast<size_t>(size));
    received += static_cast<uint64_t>(size);
  };
  runner.OnTerminated = [&](TRedirector&) {
    endNs = MonotonicNs();
    ended = true;
  };
  auto runOnce = [&](const std::string& commandLine) {
    out.clear();
    received = 0;
    ended = false;
    runner.SetCommandline(commandLine);
    runner.Start();
    loop.RunUntil([&] { return ended; });
  };

  std::vector<double> latencyMs;
  for (int i = 0; i < runs; ++i) {
    runOnce(program + " --child-stamp");
    latencyMs.push_back(static_cast<double>(endNs - std::stoull(out)) / 1e6);
  }
  std::printf("exit -> OnTerminated over %d children: median %.3f ms, p90 %.3f ms, max %.3f ms\n",
              runs, Percentile(latencyMs, 0.5), Percentile(latencyMs, 0.9),
              Percentile(latencyMs, 1.0));

  std::vector<double> floodMs;
  for (int i = 0; i < 5; ++i) {
    const uint64_t start = MonotonicNs();
    runOnce(program + " --child-flood " + std::to_string(kFloodBytes));
    floodMs.push_back(static_cast<double>(endNs - start) / 1e6);
    if (received != kFloodBytes) {
      std::printf("flood: received %llu of %llu bytes\n", static_cast<unsigned long long>(received),
                  static_cast<unsigned long long>(kFloodBytes));
      return 1;
    }
  }
  const double median = Percentile(floodMs, 0.5);
  std::printf(
      "100 MB through the pipes (start to OnTerminated): median %.1f ms (%.0f MB/s), best %.1f "
      "ms\n",
      median, 100.0 / (median / 1000.0), Percentile(floodMs, 0.0));
  return 0;
}
