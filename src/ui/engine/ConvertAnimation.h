// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>
#include <vector>

class QTimer;

// The picture of a conversion at work: the skin's twelve frames
// progress_anim_00 … _11, drawn in a loop, one turn a second.
class TConvertAnimation final : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kFrameCount = 12;
  explicit TConvertAnimation(QWidget* parent);

  // Loads the frames and stands on the first one, stopped.
  void Load();
  void Start();
  void Stop();
  bool Running() const;
  int Frame() const { return Frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<QPixmap> Frames_;
  int Frame_ = 0;
  QTimer* Timer_;
};
