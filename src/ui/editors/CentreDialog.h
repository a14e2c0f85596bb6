// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Gives a dialog its size before it is shown and places it centred over its
// owner (over the screen's middle without one).
void CentreOverOwner(QWidget& dialog, const QWidget* owner);
