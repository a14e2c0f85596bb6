// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSlider>

#include "editors/LadderBar.h"

// A preset track bar showing a ladder bar: one tick per position.
class TTrackBar final : public QSlider {
  Q_OBJECT

 public:
  explicit TTrackBar(const QString& objectName, QWidget* parent);
  // Range and position from the bar, without running the change handler.
  void Show(const TLadderBar& bar);
};

// The value label of a track bar: the entry at its position.
QString LadderEntryText(const TLadderBar& bar);
