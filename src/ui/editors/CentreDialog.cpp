// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/CentreDialog.h"

#include <QScreen>
#include <QWidget>

#include "app/WindowPlacement.h"

void CentreOverOwner(QWidget& dialog, const QWidget* owner) {
  dialog.adjustSize();
  QRect area;
  if (owner != nullptr)
    area = owner->window()->frameGeometry();
  else if (const QScreen* screen = dialog.screen())
    area = screen->availableGeometry();
  else
    return;
  // With its native window made, the dialog knows its frame where the
  // platform tells it before mapping; positions and sizes are the frame's.
  dialog.winId();
  const QSize size = dialog.frameGeometry().size();
  const TWindowPlacement p =
      CentredOver({area.x(), area.y(), area.width(), area.height()}, size.width(), size.height());
  dialog.move(p.Left, p.Top);
}
