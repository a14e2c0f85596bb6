// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <chrono>

#include "engine/Countdown.h"

class QLabel;
class QPushButton;
class QTimer;

// The countdown before the power action: 30 down to 0, one a tick, then
// accepted on the tick after 0. Cancel, Escape and the close box reject it.
// Its caption and warning name the action of GlobalVars.ShutdownFlag.
// The tick is a second; tests make it shorter.
class TfrmShutdown final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmShutdown(QWidget* owner, std::chrono::milliseconds tick = std::chrono::seconds(1));

  int SecondsLeft() const { return Countdown_.SecondsLeft(); }

  QLabel* LabelWarning;
  QLabel* LabelWarningDetail;
  QLabel* LabelTimeLeft;
  QPushButton* ButtonCancel;
  QTimer* TimerShutdown;

 protected:
  void reject() override;

 private:
  void TimerShutdownTimer();

  TCountdown Countdown_;
};
