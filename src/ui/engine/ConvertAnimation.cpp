// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ConvertAnimation.h"

#include <QPainter>
#include <QTimer>
#include <cstdio>

#include "toolkit/SkinPixmap.h"

namespace {

constexpr int kFrameMs = 80;

}  // namespace

TConvertAnimation::TConvertAnimation(QWidget* parent) : QWidget(parent), Timer_(new QTimer(this)) {
  Timer_->setInterval(kFrameMs);
  connect(Timer_, &QTimer::timeout, this, [this] {
    Frame_ = (Frame_ + 1) % kFrameCount;
    update();
  });
}

void TConvertAnimation::Load() {
  Stop();
  Frames_.clear();
  for (int i = 0; i < kFrameCount; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "progress_anim_%02d.png", i);
    Frames_.push_back(LoadSkinFolderPixmap(name, devicePixelRatioF()));
  }
  Frame_ = 0;
  update();
}

void TConvertAnimation::Start() {
  Timer_->start();
}

void TConvertAnimation::Stop() {
  Timer_->stop();
}

bool TConvertAnimation::Running() const {
  return Timer_->isActive();
}

void TConvertAnimation::paintEvent(QPaintEvent*) {
  if (static_cast<size_t>(Frame_) >= Frames_.size() || Frames_[Frame_].isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, Frames_[Frame_]);
}
