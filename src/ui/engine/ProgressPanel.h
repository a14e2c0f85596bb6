// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

// The picture panel at the top of the progress window: the skin's band
// tiled across it, or the band's own navy where the picture is missing.
class TProgressPanel final : public QWidget {
  Q_OBJECT
 public:
  explicit TProgressPanel(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap Band_;
};
