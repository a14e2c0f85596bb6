// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QPointer>
#include <array>

class QAction;

// Where a button draws its action's caption: the pictures carry none, so
// every language fits.
enum class TCaptionArea { None, Main, EditProfile, Convert, Toolbar };

// A skinned button: one picture per state (normal, pointer over it, pressed,
// disabled), bound to an action whose caption, enabled state and tooltip it
// shows and which it triggers. It takes the keyboard focus by Tab and shows
// it with a ring.
class TImageButton final : public QAbstractButton {
  Q_OBJECT
 public:
  explicit TImageButton(QWidget* parent = nullptr);

  // Normal, MouseOn, MouseDown, Disable; a missing one falls back to normal.
  void SetPictures(const std::array<QPixmap, 4>& pictures);
  void SetAction(QAction* action);
  QAction* Action() const { return Action_; }
  void SetCaptionArea(TCaptionArea area);
  TCaptionArea CaptionArea() const { return Area_; }
  const std::array<QPixmap, 4>& Pictures() const { return Pictures_; }
  // The caption as drawn, after fitting (for tests of the fit).
  QString DrawnCaption() const;
  bool CaptionFits() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void SyncFromAction();
  QRect CaptionRect() const;
  QFont CaptionFont(const QString& text, bool* fits) const;

  std::array<QPixmap, 4> Pictures_;
  QPointer<QAction> Action_;
  TCaptionArea Area_ = TCaptionArea::None;
  bool Hovered_ = false;
};
