// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// The about box: the skin's about picture, the product title and version,
// the copyright and licence notice, and the home page and support addresses
// as links that open with the desktop's handlers. Centred over its owner.
class TAboutBox final : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* owner);

 protected:
  void showEvent(QShowEvent* event) override;
};
