// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "engine/MainThread.h"

// The GUI thread as core's main thread. Calls from other threads are posted
// to this object's event queue. A thread waiting in RunAndWait is released
// when its call is gone, whether it ran, threw or was dropped because this
// object (and with it its queue) went away; a blocking queued invocation
// would instead leave the runner's reader thread hanging when the window
// closes under it. Every call runs inside the exception boundary.
class TQtMainThread final : public QObject, public TMainThread {
  Q_OBJECT
 public:
  explicit TQtMainThread(QObject* parent = nullptr);
  void RunAndWait(std::function<void()> call) override;
  void Post(std::function<void()> call) override;
};
