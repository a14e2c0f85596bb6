// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// SIGINT, SIGTERM and SIGHUP (Ctrl-C, kill, a logout or a service stop)
// end the desktop program the orderly way. The handler only writes the
// signal's number into a pipe; the event loop reads it there and emits
// Received, so everything the ending does runs on the main thread between
// events, never inside the handler. One object per program.
class TQuitSignals final : public QObject {
  Q_OBJECT
 public:
  explicit TQuitSignals(QObject* parent = nullptr);
  ~TQuitSignals() override;

  // The first signal caught, 0 while none has come.
  int Caught() const { return Caught_; }

  // After the ending: the signal's default action, so whoever sent it sees
  // the program end by it. Does not return when a signal was caught.
  void EndBySignal() const;

 signals:
  // Once, for the first of these signals; later ones change nothing.
  void Received(int signal);

 private:
  void ReadPipe();

  QSocketNotifier* Notifier_ = nullptr;
  int Caught_ = 0;
};
