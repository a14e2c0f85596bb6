// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/TrackBar.h"

#include <QSignalBlocker>
#include <string>

#include "editors/EditorText.h"

TTrackBar::TTrackBar(const QString& objectName, QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  setObjectName(objectName);
  setTickPosition(QSlider::TicksBelow);
  setTickInterval(1);
  setSingleStep(1);
  setPageStep(1);
  setMinimumWidth(220);
}

void TTrackBar::Show(const TLadderBar& bar) {
  const QSignalBlocker block(this);
  setRange(bar.Min(), bar.Max());
  setValue(bar.Position());
}

QString LadderEntryText(const TLadderBar& bar) {
  return LangFormat(MSG_BITTATE_FORMAT, {bar.Entry()});
}
