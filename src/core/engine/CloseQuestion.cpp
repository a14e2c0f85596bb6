// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CloseQuestion.h"

#include "lang/ResStr.h"

TCloseOutcome CloseOutcome(TModalResult answer, bool finishedMeanwhile) {
  if (finishedMeanwhile || answer == mrYes) return {true, mrCancel, std::nullopt};
  return {false, mrNone, answer == mrNo};
}

TCloseOutcome AskToClose(const std::function<bool()>& finished) {
  if (finished()) return {true, mrNone, std::nullopt};
  TModalResult answer =
      MessageDialog(ResStr(MSG_ABORTENCODING), ResStr(MSG_QUESTION), mdConfirmation, 2,
                    {ResStr(MSG_BTN_NOW), ResStr(MSG_BTN_DONE), ResStr(MSG_CANCEL)},
                    ButtonSet({mbYes, mbNo, mbCancel}));
  return CloseOutcome(answer, finished());
}
