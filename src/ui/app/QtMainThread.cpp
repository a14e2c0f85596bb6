// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtMainThread.h"

#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "app/Guarded.h"

namespace {

struct TWaitSlot {
  std::mutex Mutex;
  std::condition_variable Finished;
  bool Done = false;
};

// Tied to the posted call's lifetime: however the call ends, the waiter goes on.
struct TReleaser {
  std::shared_ptr<TWaitSlot> Slot;
  explicit TReleaser(std::shared_ptr<TWaitSlot> slot) : Slot(std::move(slot)) {}
  TReleaser(const TReleaser&) = delete;
  TReleaser& operator=(const TReleaser&) = delete;
  ~TReleaser() {
    std::lock_guard<std::mutex> lock(Slot->Mutex);
    Slot->Done = true;
    Slot->Finished.notify_all();
  }
};

}  // namespace

TQtMainThread::TQtMainThread(QObject* parent) : QObject(parent) {}

void TQtMainThread::Post(std::function<void()> call) {
  QMetaObject::invokeMethod(
      this, [call = std::move(call)] { Guarded(call); }, Qt::QueuedConnection);
}

void TQtMainThread::RunAndWait(std::function<void()> call) {
  if (QThread::currentThread() == thread()) {
    Guarded(call);
    return;
  }
  auto slot = std::make_shared<TWaitSlot>();
  Post([call = std::move(call), releaser = std::make_shared<TReleaser>(slot)] { call(); });
  std::unique_lock<std::mutex> lock(slot->Mutex);
  slot->Finished.wait(lock, [&] { return slot->Done; });
}
