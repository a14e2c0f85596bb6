// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DialogPlacement.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

#include "app/WindowPlacement.h"

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
  // With its native window made, the dialog knows its frame where the
  // platform tells it before mapping; positions and sizes are the frame's.
  dialog->winId();
  const QSize size = dialog->frameGeometry().size();
  const TWindowPlacement p =
      CentredOver({area.x(), area.y(), area.width(), area.height(), false}, size.width(), size.height());
  dialog->move(p.Left, p.Top);
}
