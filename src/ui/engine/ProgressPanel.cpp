// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ProgressPanel.h"

#include <QLinearGradient>
#include <QPainter>

#include "toolkit/SkinPixmap.h"

TProgressPanel::TProgressPanel(QWidget* parent) : QWidget(parent) {
  Band_ = LoadSkinFolderPixmap("progress_band.png", devicePixelRatioF());
}

void TProgressPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!Band_.isNull()) {
    painter.drawTiledPixmap(rect(), Band_);
    return;
  }
  QLinearGradient navy(0, 0, 0, height());
  navy.setColorAt(0, QColor(0x1F, 0x3A, 0x52));
  navy.setColorAt(1, QColor(0x27, 0x49, 0x6A));
  painter.fillRect(rect(), navy);
}
