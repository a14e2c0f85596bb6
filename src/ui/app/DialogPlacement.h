// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Sizes the dialog from its layout and moves it so that its frame sits
// centred over its owner's window frame (CentredOver), or over the screen
// without an owner.
// A dialog that was given its size already keeps it (fitToContents false).
void CentreOverOwner(QWidget* dialog, const QWidget* owner, bool fitToContents = true);
