// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include "editors/BitrateChoice.h"

class QLabel;
class QPushButton;
class QRadioButton;
class TTrackBar;

// Object names of one bitrate group: a codec block's (suffix) or the MPEG
// editor's DVD page.
struct TVideoBitrateNames {
  QString Group, PresetRadio, SpecifyRadio, TrackBar, Value, Current, Low, High, Kbps2, Specify,
      Kbps, Configure;
};
TVideoBitrateNames BlockBitrateNames(const QString& suffix);
TVideoBitrateNames DvdBitrateNames();

// Preset quality over a ladder, or a specified bitrate changed through the
// value entry dialog.
class TVideoBitrateGroup final : public QGroupBox {
  Q_OBJECT

 public:
  TVideoBitrateGroup(TBitrateChoice& choice, const TVideoBitrateNames& names, QWidget* parent);
  void Sync();

 signals:
  void Edited();

 private:
  void Configure();

  TBitrateChoice& Choice_;
  QRadioButton* Preset_;
  QRadioButton* Specify_;
  TTrackBar* Bar_;
  QLabel* Current_;
  QLabel* Value_;
  QLabel* Kbps2_;
  QLabel* Low_;
  QLabel* High_;
  QLabel* SpecifyValue_;
  QLabel* Kbps_;
  QPushButton* Configure_;
};
