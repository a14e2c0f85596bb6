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
  const TWindowPlacement p = CentredOver({area.x(), area.y(), area.width(), area.height()},
                                         dialog.width(), dialog.height());
  dialog.move(p.Left, p.Top);
}
