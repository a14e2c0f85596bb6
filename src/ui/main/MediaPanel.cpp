// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/MediaPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>
#include <functional>

#include "app/SkinLayout.h"
#include "app/UtilFuncs.h"
#include "lang/ResStr.h"

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.c_str()); }

// The "More Information..." link: a label that reports a click.
class TLinkLabel final : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> Clicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && Clicked) Clicked();
  }
  void keyPressEvent(QKeyEvent* e) override {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) && Clicked)
      Clicked();
    else
      QLabel::keyPressEvent(e);
  }
};

constexpr int kHeadings[] = {7, 14, 21};

}  // namespace

TMediaPanel::TMediaPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("ScrollBox");
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  pal.setColor(QPalette::WindowText, QColor(0x16, 0x22, 0x2E));
  setPalette(pal);
  setFrameShape(QFrame::Box);
  for (int n = 7; n <= 26; ++n) {
    QLabel* label = n == 26 ? new TLinkLabel(this) : new QLabel(this);
    label->setObjectName(QStringLiteral("Label%1").arg(n));
    if (n != 26) label->setTextFormat(Qt::PlainText);
    Labels_[static_cast<size_t>(n - 7)] = label;
  }
  for (int h : kHeadings) {
    QFont f = Label(h)->font();
    f.setBold(true);
    Label(h)->setFont(f);
  }
  auto* link = static_cast<TLinkLabel*>(Label(26));
  link->setCursor(Qt::PointingHandCursor);
  link->setFocusPolicy(Qt::TabFocus);
  link->Clicked = [this] { emit MoreInformation(); };
  QPalette linkPal = link->palette();
  linkPal.setColor(QPalette::WindowText, QColor(0x1E, 0x66, 0xB8));
  link->setPalette(linkPal);
  QFont lf = link->font();
  lf.setUnderline(true);
  link->setFont(lf);

  for (size_t i = 0; i < Boxes_.size(); ++i) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("EditBox%1").arg(i + 1));
    box->setReadOnly(true);
    box->setFrame(false);
    box->setFocusPolicy(Qt::ClickFocus);  // values can be selected and copied
    QPalette bp = box->palette();
    bp.setColor(QPalette::Base, Qt::white);
    bp.setColor(QPalette::Text, QColor(0x4A, 0x5B, 0x6B));
    box->setPalette(bp);
    Boxes_[i] = box;
  }
  ShowMediaStrings(nullptr);
}

void TMediaPanel::ApplySkin(const TSkinLayout& skin) {
  for (int n = 7; n <= 26; ++n) {
    const TSkinPoint& p = skin.Labels[static_cast<size_t>(n - 1)];
    Label(n)->move(p.Left, p.Top);
  }
  for (size_t i = 0; i < Boxes_.size(); ++i) {
    const TSkinPoint& p = skin.EditBoxes[i];
    SkinLefts_[i] = p.Left;
    Boxes_[i]->move(p.Left, p.Top - 2);
  }
  FitBoxes();
}

// A value box starts where the skin puts it, or right after its label when
// the label's text (in a longer language) reaches further; it ends before the
// next column's label and never runs past the panel.
void TMediaPanel::FitBoxes() {
  auto labelOfBox = [](int box) -> int {
    for (const TMediaPanelPlace& p : MediaPanelPlaces)
      if (p.Box == box) return p.Label;
    return 0;
  };
  for (int box = 1; box <= 16; ++box) {
    QLabel* label = Label(labelOfBox(box));
    QLineEdit* edit = Boxes_[static_cast<size_t>(box - 1)];
    const bool left = box % 2 == 1;
    const int x = std::max(SkinLefts_[static_cast<size_t>(box - 1)], label->geometry().right() + 1 + 6);
    int end = width() - 8;
    if (left) end = std::min(end, Label(labelOfBox(box + 1))->x() - 8);
    const int w = std::min(left ? 240 : 200, end - x);
    edit->setGeometry(x, edit->y(), std::max(w, 40), edit->sizeHint().height());
  }
}

void TMediaPanel::ApplyLanguage() {
  Label(7)->setText(Q(ResStr(MSG_GENERAL)));
  Label(14)->setText(Q(ResStr(MSG_VIDEO)));
  Label(21)->setText(Q(ResStr(MSG_AUDIO)));
  Label(26)->setText(Q(ResStr(MSG_MOREINFO)));
  for (size_t i = 0; i < kMediaStringCount; ++i)
    Label(MediaPanelPlaces[i].Label)->setText(Q(ResStr(MediaQueries[i].Caption)));
  for (QLabel* l : Labels_) l->adjustSize();
  FitBoxes();
}

void TMediaPanel::ShowMediaStrings(const TMediaStrings* strings) {
  for (size_t i = 0; i < kMediaStringCount; ++i) {
    QLineEdit* box = Boxes_[static_cast<size_t>(MediaPanelPlaces[i].Box - 1)];
    box->setText(Q(strings != nullptr ? NonEmptyOr((*strings)[i]) : ResStr(MSG_EMPTY_STR)));
    box->setCursorPosition(0);
  }
}
