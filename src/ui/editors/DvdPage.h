// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QRadioButton;
class TAudioBitrateGroup;
class TMpegPresets;
class TVideoBitrateGroup;

// The MPEG editor's DVD page: video bitrate, aspect and audio bitrate of the
// DVD preset.
class TDvdPage final : public QWidget {
  Q_OBJECT

 public:
  TDvdPage(TMpegPresets& presets, QWidget* parent);
  void Sync();

 signals:
  void Edited();

 private:
  TMpegPresets& Presets_;
  TVideoBitrateGroup* Video_;
  TAudioBitrateGroup* Audio_;
  QRadioButton* AutoAspect_;
  QRadioButton* ChangeAspect_;
  QComboBox* Aspect_;
};
