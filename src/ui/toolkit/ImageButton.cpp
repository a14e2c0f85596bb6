// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/ImageButton.h"

#include <QAction>
#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kText(0x16, 0x22, 0x2E);
const QColor kDisabledText(0x6B, 0x78, 0x85);
const QColor kFocus(0xF0, 0x7A, 0x2E);

// The caption without the line breaks and blanks that push it below the
// picture or away from the edge where the program draws text over pictures.
QString CaptionText(const QAction* action) {
  if (action == nullptr) return {};
  QString text = action->text();
  text.remove(QLatin1Char('&'));
  return text.trimmed();
}

}  // namespace

TImageButton::TImageButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_Hover);
}

void TImageButton::SetPictures(const std::array<QPixmap, 4>& pictures) {
  Pictures_ = pictures;
  update();
}

void TImageButton::SetAction(QAction* action) {
  if (Action_) disconnect(Action_, nullptr, this, nullptr);
  Action_ = action;
  if (action != nullptr) {
    connect(action, &QAction::changed, this, &TImageButton::SyncFromAction);
    connect(this, &QAbstractButton::clicked, action, [this] {
      if (Action_ && Action_->isEnabled()) Action_->trigger();
    });
  }
  SyncFromAction();
}

void TImageButton::SetCaptionArea(TCaptionArea area) {
  Area_ = area;
  update();
}

void TImageButton::SyncFromAction() {
  if (!Action_) return;
  setEnabled(Action_->isEnabled());
  QString tip = Action_->toolTip();
  tip.remove(QLatin1Char('&'));
  tip = tip.trimmed();
  if (!Action_->shortcut().isEmpty())
    tip += (tip.isEmpty() ? QString() : QStringLiteral("  ")) + QLatin1Char('(') +
           Action_->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')');
  setToolTip(tip);
  setAccessibleName(CaptionText(Action_).isEmpty() ? Action_->toolTip() : CaptionText(Action_));
  update();
}

QSize TImageButton::sizeHint() const {
  if (!Pictures_[0].isNull()) return Pictures_[0].deviceIndependentSize().toSize();
  return {115, 25};
}

void TImageButton::enterEvent(QEnterEvent* event) {
  Hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void TImageButton::leaveEvent(QEvent* event) {
  Hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

QRect TImageButton::CaptionRect() const {
  const int w = width(), h = height();
  switch (Area_) {
    case TCaptionArea::Main: return {28, 0, std::max(0, w - 6 - 28), h};
    case TCaptionArea::EditProfile: return {28, 0, std::max(0, w - 6 - 28), h};
    case TCaptionArea::Convert: return {34, 0, std::max(0, w - 6 - 34), h};
    case TCaptionArea::Toolbar: return {2, 40, std::max(0, w - 4), std::max(0, h - 42)};
    case TCaptionArea::None: break;
  }
  return {};
}

// The button's font, made smaller (down to 7 points) until the caption fits;
// toolbar captions may take two lines.
QFont TImageButton::CaptionFont(const QString& text, bool* fits) const {
  QFont f = font();
  if (Area_ == TCaptionArea::Convert) f.setBold(true);
  const QRect r = CaptionRect();
  const int flags = Area_ == TCaptionArea::Toolbar ? Qt::TextWordWrap : 0;
  for (qreal size = f.pointSizeF(); size >= 7.0; size -= 0.5) {
    f.setPointSizeF(size);
    QRect need = QFontMetrics(f).boundingRect(QRect(0, 0, r.width(), 1000), flags | Qt::AlignHCenter, text);
    if (need.width() <= r.width() && need.height() <= r.height()) {
      *fits = true;
      return f;
    }
  }
  *fits = false;
  return f;
}

QString TImageButton::DrawnCaption() const {
  if (Area_ == TCaptionArea::None) return {};
  QString text = CaptionText(Action_);
  bool fits = false;
  QFont f = CaptionFont(text, &fits);
  if (fits) return text;
  return QFontMetrics(f).elidedText(text, Qt::ElideRight, CaptionRect().width());
}

bool TImageButton::CaptionFits() const {
  if (Area_ == TCaptionArea::None) return true;
  bool fits = false;
  CaptionFont(CaptionText(Action_), &fits);
  return fits;
}

void TImageButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  int state = !isEnabled() ? 3 : isDown() ? 2 : (Hovered_ || underMouse()) ? 1 : 0;
  const QPixmap& picture = Pictures_[static_cast<size_t>(state)].isNull() ? Pictures_[0]
                                                                         : Pictures_[static_cast<size_t>(state)];
  if (!picture.isNull()) {
    p.drawPixmap(rect(), picture);
  } else {
    // No skin: a plain face, so the button is still a button.
    p.setPen(QColor(0xBF, 0xD1, 0xDE));
    p.setBrush(isDown() ? QColor(0xDD, 0xE7, 0xEE) : QColor(0xFF, 0xFF, 0xFF));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
  }
  if (Area_ != TCaptionArea::None) {
    QString text = CaptionText(Action_);
    bool fits = false;
    QFont f = CaptionFont(text, &fits);
    p.setFont(f);
    QColor color = !isEnabled() ? kDisabledText : Area_ == TCaptionArea::Convert ? QColor(Qt::white) : kText;
    p.setPen(color);
    QRect r = CaptionRect().translated(0, isDown() ? 1 : 0);
    if (Area_ == TCaptionArea::Toolbar) {
      p.drawText(r, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
    } else {
      if (!fits) text = QFontMetrics(f).elidedText(text, Qt::ElideRight, r.width());
      p.drawText(r, Qt::AlignCenter, text);
    }
  }
  if (hasFocus()) {
    QPen pen(kFocus, 2);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
  }
}
