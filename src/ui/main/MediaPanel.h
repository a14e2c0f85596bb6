// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <array>

#include "media/MediaStrings.h"

class QLabel;
class QLineEdit;
struct TSkinLayout;

// The media-information panel ("ScrollBox"): three headings, sixteen labels
// with their read-only value boxes, and the "More Information..." link.
class TMediaPanel final : public QFrame {
  Q_OBJECT
 public:
  explicit TMediaPanel(QWidget* parent = nullptr);

  void ApplySkin(const TSkinLayout& skin);
  void ApplyLanguage();
  // The sixteen strings of a file, or the placeholder in every box.
  void ShowMediaStrings(const TMediaStrings* strings);

  QLineEdit* Box(int index) const { return Boxes_[static_cast<size_t>(index)]; }
  QLabel* Label(int number) const { return Labels_[static_cast<size_t>(number - 7)]; }  // Label7 … Label26

 signals:
  void MoreInformation();

 private:
  void FitBoxes();

  std::array<QLabel*, 20> Labels_{};     // Label7 … Label26
  std::array<int, 16> SkinLefts_{};      // where the skin puts each box
  std::array<QLineEdit*, 16> Boxes_{};   // EditBox1 … EditBox16
};
