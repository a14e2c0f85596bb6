// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DialogPlacement.h"

#include <QLayout>
#include <QWidget>

#include "app/WindowPlacement.h"

void CentreOverOwner(QWidget* dialog, const QWidget* owner) {
  if (dialog == nullptr || owner == nullptr) return;
  // The size is needed before the dialog is shown.
  dialog->ensurePolished();
  if (QLayout* layout = dialog->layout()) layout->activate();
  dialog->adjustSize();
  QRect o = owner->window()->frameGeometry();
  TWindowPlacement p = CentredOver({o.left(), o.top(), o.width(), o.height(), false},
                                   dialog->width(), dialog->height());
  dialog->move(p.Left, p.Top);
}
