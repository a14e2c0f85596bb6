// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Shutdown.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "app/GlobalVars.h"
#include "lang/ResStr.h"

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

TfrmShutdown::TfrmShutdown(QWidget* owner, std::chrono::milliseconds tick)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmShutdown");
  // It names the action that follows it: the one the settings choose.
  const uint8_t action = GlobalVars.ShutdownFlag;
  setWindowTitle(Q(CountdownTitle(action)));

  auto* icon = new QLabel(this);
  const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(
      style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(side, side));
  icon->setAlignment(Qt::AlignTop);
  LabelWarning = new QLabel(Q(ResStr(MSG_WARNING)), this);
  LabelWarning->setObjectName("LabelWarning");
  QFont bold = LabelWarning->font();
  bold.setBold(true);
  LabelWarning->setFont(bold);
  LabelWarningDetail = new QLabel(Q(CountdownWarningDetail(action)), this);
  LabelWarningDetail->setObjectName("LabelWarningDetail");
  LabelWarningDetail->setWordWrap(true);
  LabelWarningDetail->setMinimumWidth(300);
  LabelTimeLeft = new QLabel(Q(ResStr(MSG_TIME_LEFT)), this);
  LabelTimeLeft->setObjectName("LabelTimeLeft");
  ButtonCancel = new QPushButton(Q(ResStr(MSG_CANCEL)), this);
  ButtonCancel->setObjectName("ButtonCancel");
  ButtonCancel->setDefault(true);
  ButtonCancel->setMinimumWidth(90);
  for (QLabel* label : {LabelWarning, LabelWarningDetail, LabelTimeLeft})
    label->setTextFormat(Qt::PlainText);

  auto* texts = new QVBoxLayout;
  texts->addWidget(LabelWarning);
  texts->addWidget(LabelWarningDetail);
  texts->addSpacing(6);
  texts->addWidget(LabelTimeLeft);
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addSpacing(8);
  top->addLayout(texts, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButtonCancel);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(ButtonCancel, &QPushButton::clicked, this, &TfrmShutdown::reject);
  LabelTimeLeft->setText(Q(Countdown_.TimeLeftText()));
  TimerShutdown = new QTimer(this);
  TimerShutdown->setObjectName("TimerShutdown");
  TimerShutdown->setInterval(tick);
  connect(TimerShutdown, &QTimer::timeout, this, &TfrmShutdown::TimerShutdownTimer);
  TimerShutdown->start();
  ButtonCancel->setFocus();
}

void TfrmShutdown::TimerShutdownTimer() {
  if (Countdown_.Tick() == TCountdown::TState::RunOut) {
    TimerShutdown->stop();
    accept();
    return;
  }
  LabelTimeLeft->setText(Q(Countdown_.TimeLeftText()));
}

void TfrmShutdown::reject() {
  TimerShutdown->stop();
  Countdown_.Cancel();
  QDialog::reject();
}
