// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtMainThread.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

TEST(QtMainThread, CallsRunOnTheGuiThreadInOrder) {
  TQtMainThread main;
  std::vector<int> order;
  std::thread::id ranOn;
  std::thread worker([&] {
    main.Post([&] { order.push_back(1); });
    main.RunAndWait([&] {
      order.push_back(2);
      ranOn = std::this_thread::get_id();
    });
    main.Post([&] { order.push_back(3); });
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() == 3; }, 5000));
  worker.join();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(ranOn, std::this_thread::get_id());
}

// A window that goes away while the runner's reader thread waits for it must
// let that thread go instead of leaving it hanging.
TEST(QtMainThread, AWaiterIsReleasedWhenTheMainThreadObjectGoes) {
  auto main = std::make_unique<TQtMainThread>();
  std::atomic<bool> waiting{false}, released{false};
  bool ran = false;
  std::thread worker([&] {
    waiting = true;
    main->RunAndWait([&] { ran = true; });
    released = true;
  });
  while (!waiting) std::this_thread::yield();
  // Give the worker the moment it needs to queue its call; nothing here
  // processes events, so the call stays queued.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  TQtMainThread* raw = main.release();
  delete raw;  // its queued call is dropped
  worker.join();
  EXPECT_TRUE(released);
  EXPECT_FALSE(ran);
}

TEST(QtMainThread, AnExceptionInACallBecomesAMessage) {
  TQtMainThread main;
  bool after = false;
  main.Post([] { throw std::runtime_error("boom"); });
  main.Post([&] { after = true; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return after; }, 5000));
}
