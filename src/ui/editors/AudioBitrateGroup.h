// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include "editors/LadderBar.h"

class QCheckBox;
class QLabel;
class TTrackBar;

struct TAudioBitrateNames {
  QString Group, Auto, TrackBar, Value, Current, Small, Large, Kbps;
};
TAudioBitrateNames BlockAudioBitrateNames(const QString& suffix);
TAudioBitrateNames DvdAudioBitrateNames();

// "Auto" or a preset track bar. In a codec block the check box disables the
// track bar; the MPEG editor's DVD page keeps its bar usable (autoDisables).
class TAudioBitrateGroup final : public QGroupBox {
  Q_OBJECT

 public:
  TAudioBitrateGroup(bool& autoBitrate, TLadderBar& bar, const TAudioBitrateNames& names,
                     bool autoDisables, QWidget* parent);
  void Sync();

 signals:
  void Edited();

 private:
  bool& Auto_;
  TLadderBar& Bar_;
  bool AutoDisables_;
  QCheckBox* AutoBox_;
  TTrackBar* TrackBar_;
  QLabel* Current_;
  QLabel* Value_;
  QLabel* Kbps_;
  QLabel* Small_;
  QLabel* Large_;
};
