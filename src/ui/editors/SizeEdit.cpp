// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/SizeEdit.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "editors/SizeLists.h"

TSizeEdit::TSizeEdit(const QString& name, int max, QWidget* parent) : QSpinBox(parent), Max_(max) {
  setObjectName(name);
  setSingleStep(kSizeEditStep);
  // Wide enough for five digits, not for the widest number it takes.
  setRange(kSizeEditMin, 99999);
  setFixedWidth(sizeHint().width());
  setRange(0, std::numeric_limits<int>::max());
}

void TSizeEdit::stepBy(int steps) {
  const int64_t next = static_cast<int64_t>(value()) + static_cast<int64_t>(steps) * singleStep();
  setValue(static_cast<int>(std::clamp<int64_t>(next, kSizeEditMin, Max_)));
  selectAll();
}

QAbstractSpinBox::StepEnabled TSizeEdit::stepEnabled() const {
  StepEnabled enabled = StepNone;
  if (value() > kSizeEditMin) enabled |= StepDownEnabled;
  if (value() < Max_) enabled |= StepUpEnabled;
  return enabled;
}
