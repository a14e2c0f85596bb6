// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

class QComboBox;
class QRadioButton;
class TVideoBitrateGroup;
class TVideoBlockState;
class TVideoSizeGroup;

// The page of one video codec block: bitrate, frame size (free, or the three
// H.263 sizes), frame rate and aspect. Every video block of every editor is
// one of these, named by the block's suffix.
class TVideoBlockPage final : public QWidget {
  Q_OBJECT

 public:
  TVideoBlockPage(TVideoBlockState& block, QWidget* parent);
  void Sync();
  void FinishEditing();

 signals:
  void Edited();

 private:
  QWidget* NewFixedSizeGroup(const QString& suffix);
  QWidget* NewFrameRateGroup(const QString& suffix);
  QWidget* NewAspectGroup(const QString& suffix);
  void Changed();

  TVideoBlockState& Block_;
  TVideoBitrateGroup* Bitrate_ = nullptr;
  TVideoSizeGroup* Size_ = nullptr;
  std::vector<QRadioButton*> FixedSizes_;
  QRadioButton* KeepFrameRate_ = nullptr;
  QRadioButton* ChangeFrameRate_ = nullptr;
  QComboBox* FrameRate_ = nullptr;
  std::vector<QRadioButton*> Aspects_;
};
