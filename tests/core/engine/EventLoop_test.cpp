// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/EventLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

TEST(EventLoop, RunAndWaitRunsOnTheMainThreadAndWaits) {
  TEventLoop loop;
  const std::thread::id mainId = std::this_thread::get_id();
  std::vector<int> seen;  // touched on the main thread only
  std::atomic<bool> workerDone{false};
  std::thread worker([&] {
    for (int i = 0; i < 100; ++i) {
      loop.RunAndWait([&, i] {
        EXPECT_EQ(std::this_thread::get_id(), mainId);
        seen.push_back(i);
      });
      // Returning means the call has run: its effect is visible here.
      EXPECT_EQ(seen.size(), static_cast<size_t>(i + 1));
    }
    workerDone = true;
    loop.Post([] {});  // the loop tests `done` after calls, so wake it
  });
  EXPECT_TRUE(loop.RunUntil([&] { return workerDone.load(); }, 60s));
  worker.join();
  ASSERT_EQ(seen.size(), 100u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(seen[static_cast<size_t>(i)], i);

  bool inline_ = false;
  loop.RunAndWait([&] { inline_ = true; });  // on the main thread: no deadlock, runs at once
  EXPECT_TRUE(inline_);
}

TEST(EventLoop, PostKeepsOrderAndProcessEventsRunsOnlyWhatIsQueued) {
  TEventLoop loop;
  std::vector<int> order;
  loop.Post([&] {
    order.push_back(1);
    loop.Post([&] { order.push_back(3); });  // queued by a call: runs next time
  });
  loop.Post([&] { order.push_back(2); });
  EXPECT_EQ(loop.ProcessEvents(), 2);
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  EXPECT_EQ(loop.ProcessEvents(), 1);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(loop.ProcessEvents(), 0);
  EXPECT_FALSE(loop.RunUntil([] { return false; }, 20ms));
}

TEST(EventLoop, ThrowingCallReachesTheLoopAndReleasesItsWaiter) {
  TEventLoop loop;
  std::atomic<bool> released{false};
  std::thread worker([&] {
    loop.RunAndWait([] { throw std::runtime_error("handler failed"); });
    released = true;
    loop.Post([] {});
  });
  bool later = false;
  loop.Post([&] { later = true; });
  EXPECT_THROW(loop.RunUntil([&] { return released.load(); }, 60s), std::runtime_error);
  worker.join();
  EXPECT_TRUE(released);
  // What was queued after the throwing call is still there.
  EXPECT_TRUE(loop.RunUntil([&] { return later; }, 60s));
}
