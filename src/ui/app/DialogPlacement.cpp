// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DialogPlacement.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "app/WindowPlacement.h"

namespace {

// The frame the platform puts around a dialog, as far as it tells before a
// window is shown. It is asked of a window of its own: making the dialog's
// native window early would, as the dialog is a child of its owner, make
// every control of the owner a native window too, and the owner's
// title-band move would then start from the wrong point.
QMargins DialogFrame() {
  static const QMargins frame = [] {
    QWindow probe;
    probe.setFlags(Qt::Dialog);
    probe.create();
    return probe.frameMargins();
  }();
  return frame;
}

}  // namespace

void CentreOverOwner(QWidget* dialog, const QWidget* owner, bool fitToContents) {
  if (dialog == nullptr) return;
  // The size is needed before the dialog is shown.
  dialog->ensurePolished();
  if (QLayout* layout = dialog->layout()) layout->activate();
  if (fitToContents) dialog->adjustSize();
  QRect area;
  if (owner != nullptr)
    area = owner->window()->frameGeometry();
  else if (const QScreen* screen = dialog->screen())
    area = screen->availableGeometry();
  else
    return;
  // Positions and sizes are the frame's: the dialog's own once it has one,
  // else the platform's usual frame around its size.
  QSize size = dialog->frameGeometry().size();
  if (dialog->frameGeometry() == dialog->geometry()) size = size.grownBy(DialogFrame());
  const TWindowPlacement p =
      CentredOver({area.x(), area.y(), area.width(), area.height(), false}, size.width(), size.height());
  dialog->move(p.Left, p.Top);
}
