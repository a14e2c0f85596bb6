// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSpinBox>

// A width or height edit. It takes any number typed, so no digit is ever
// dropped (the size group refuses what the codec cannot take when the edit
// is left); its arrows step by 2 within what the codec takes.
class TSizeEdit final : public QSpinBox {
 public:
  TSizeEdit(const QString& name, int max, QWidget* parent);

  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;

 private:
  int Max_;
};
