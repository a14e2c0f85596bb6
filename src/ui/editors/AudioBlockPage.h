// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QStackedWidget;
class TAudioBitrateGroup;
class TAudioBlockState;

// The page of one audio codec block: the bitrate (where the block has one),
// the sample rate list (which AC3's six channels cover with a fixed "48000")
// and the channel list.
class TAudioBlockPage final : public QWidget {
  Q_OBJECT

 public:
  TAudioBlockPage(TAudioBlockState& block, QWidget* parent);
  void Sync();

 signals:
  void Edited();

 private:
  void Changed();

  TAudioBlockState& Block_;
  TAudioBitrateGroup* Bitrate_ = nullptr;
  QStackedWidget* RateGroups_ = nullptr;
  QWidget* SixChannelGroup_ = nullptr;
  QWidget* RateGroup_ = nullptr;
  QComboBox* SampleRate_;
  QComboBox* Channels_;
};
