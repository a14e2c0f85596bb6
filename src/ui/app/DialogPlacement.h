// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Sizes the dialog from its layout and moves it so that it sits centred over
// its owner's window frame (CentredOver). The dialog's own frame is not known
// before it is shown, so its inner size counts. Nothing moves without an owner.
void CentreOverOwner(QWidget* dialog, const QWidget* owner);
