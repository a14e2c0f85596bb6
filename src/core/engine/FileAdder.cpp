// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FileAdder.h"

#include <exception>
#include <memory>

#include "app/Dialogs.h"
#include "engine/MainThread.h"
#include "media/MediaStrings.h"
#include "store/FileListModel.h"

struct TFileAdder::TResult {
  std::string Path;
  bool Query = false;
  TMediaStrings Media;
  std::function<void()> Done;
};

TFileAdder::TFileAdder(TMainThread& mainThread, TFileListModel& list)
    : Main_(mainThread), List_(list), Worker_([this] { Work(); }) {}

TFileAdder::~TFileAdder() {
  *Alive_ = false;
  {
    std::lock_guard<std::mutex> lock(Mutex_);
    Stopping_ = true;
    Jobs_.clear();
    Results_.clear();
  }
  Wake_.notify_all();
  Worker_.join();
  if (Pending_ > 0) EndWaitCursor();
}

void TFileAdder::Add(std::vector<std::string> paths, std::function<void()> done) {
  if (paths.empty()) {
    if (done) WhenIdle(std::move(done));
    return;
  }
  if (Pending_ == 0) {
    BeginWaitCursor();
    if (OnBusyChanged) OnBusyChanged(true);
  }
  Pending_ += static_cast<int>(paths.size());
  {
    std::lock_guard<std::mutex> lock(Mutex_);
    for (size_t i = 0; i < paths.size(); ++i) {
      TJob job;
      job.Path = std::move(paths[i]);
      // The quick checks now; the duplicate check when the row is appended.
      TAddResult checked = List_.Check(job.Path);
      job.Query = checked == TAddResult::Added || checked == TAddResult::Duplicate;
      if (i + 1 == paths.size()) job.Done = std::move(done);
      Jobs_.push_back(std::move(job));
    }
  }
  Wake_.notify_all();
}

void TFileAdder::WhenIdle(std::function<void()> call) {
  if (Pending_ == 0)
    call();
  else
    WhenIdle_.push_back(std::move(call));
}

void TFileAdder::Work() {
  for (;;) {
    TJob job;
    {
      std::unique_lock<std::mutex> lock(Mutex_);
      Wake_.wait(lock, [this] { return Stopping_ || !Jobs_.empty(); });
      if (Stopping_) return;
      job = std::move(Jobs_.front());
      Jobs_.pop_front();
    }
    auto result = std::make_shared<TResult>();
    result->Path = job.Path;
    result->Query = job.Query;
    result->Done = std::move(job.Done);
    if (job.Query) result->Media = QueryMediaStrings(job.Path);
    {
      std::lock_guard<std::mutex> lock(Mutex_);
      if (Stopping_) return;
      Results_.push_back(std::move(result));
    }
    // The posted call may run after the adder is gone: it checks first.
    Main_.Post([this, alive = std::weak_ptr<bool>(Alive_)] {
      if (auto a = alive.lock(); a && *a) Deliver();
    });
  }
}

namespace {

// Runs a call; a failure is kept for later (the first one only), so the
// calls after it still run and the adder's own state stays whole.
void RunKeepingFailure(const std::function<void()>& call, std::exception_ptr& failure) {
  try {
    if (call) call();
  } catch (...) {
    if (!failure) failure = std::current_exception();
  }
}

}  // namespace

// Appends what the worker found, in order. A rejection message keeps the
// main thread's events running; results that arrive meanwhile wait for it
// instead of opening more messages on top. A call that fails (a batch that
// cannot start) is passed on once everything else has run.
void TFileAdder::Deliver() {
  if (Delivering_) return;
  Delivering_ = true;
  std::exception_ptr failure;
  for (;;) {
    std::shared_ptr<TResult> r;
    {
      std::lock_guard<std::mutex> lock(Mutex_);
      if (Results_.empty()) break;
      r = std::move(Results_.front());
      Results_.pop_front();
    }
    if (r->Query) List_.Append(r->Path, r->Media);
    FinishOne(r->Done, failure);
  }
  Delivering_ = false;
  if (failure) std::rethrow_exception(failure);
}

void TFileAdder::FinishOne(const std::function<void()>& done, std::exception_ptr& failure) {
  --Pending_;
  RunKeepingFailure(done, failure);
  if (Pending_ > 0) return;
  EndWaitCursor();
  if (OnBusyChanged) OnBusyChanged(false);
  std::vector<std::function<void()>> waiting;
  waiting.swap(WhenIdle_);
  for (auto& call : waiting) {
    // A waiting call may start another add; the rest then wait for that one.
    if (Pending_ > 0)
      WhenIdle_.push_back(std::move(call));
    else
      RunKeepingFailure(call, failure);
  }
}
