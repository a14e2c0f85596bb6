// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ProfileUi.h"

#include "app/Dialogs.h"
#include "base/FileNames.h"
#include "base/TextUtil.h"
#include "lang/ResStr.h"

bool AcceptProfileName(const std::string& typed, std::string& name) {
  std::string trimmed(TrimBlanks(typed));
  if (IsValidFileName(trimmed)) {
    name = std::move(trimmed);
    return true;
  }
  MessageDialog(ResStr(MSG_INVALID_FILE_NAME), ResStr(MSG_INVALID_FILE_NAME_TITLE), mdWarning, 1,
                {ResStr(MSG_OK), ResStr(MSG_CANCEL)}, ButtonSet({mbOK, mbCancel}));
  return false;
}
