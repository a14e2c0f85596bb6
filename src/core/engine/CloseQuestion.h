// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include "app/Dialogs.h"

// What the progress window does with a close request of the user: its Cancel
// button, the close box, Escape or the tray menu's "Stop converting...". A
// close the batch driver asks for (TProgressView::Close) never comes here.
struct TCloseOutcome {
  bool Close = false;
  // The result the window closes with; mrNone keeps the one the driver gave.
  TModalResult ModalResult = mrNone;
  // The new StopWhenDone, which the stop label follows; nullopt leaves both.
  std::optional<bool> StopWhenDone;
  bool operator==(const TCloseOutcome&) const = default;
};

// The answer to the close question: "Stop now" (mrYes) closes with mrCancel,
// so the driver kills the encoder and runs no countdown; "When done" (mrNo)
// keeps the window and stops after the current file; anything else (Cancel,
// Escape, the question's close box) keeps the window and goes on with every
// file. A batch that ended while the question was open closes the window
// with mrCancel whatever the answer: the user was about to stop it, so no
// power action follows on its own.
TCloseOutcome CloseOutcome(TModalResult answer, bool finishedMeanwhile);

// The whole close request: a finished batch closes at once; otherwise the
// question (Stop now / When done / Cancel) is asked through MessageDialog and
// its answer decided. `finished` is asked before and again after the
// question, which is modal while the batch goes on underneath it.
TCloseOutcome AskToClose(const std::function<bool()>& finished);
