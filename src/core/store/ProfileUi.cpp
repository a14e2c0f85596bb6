// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ProfileUi.h"

#include <climits>
#include <cstring>

#include "app/Dialogs.h"
#include "base/AtomicFile.h"
#include "base/FileNames.h"
#include "base/TextUtil.h"
#include "lang/ResStr.h"

bool ProfileNameFits(const std::string& name) {
  constexpr size_t kExtension = 4;  // ".avo"
  return name.size() + kExtension + std::strlen(kAtomicTempSuffix) <= NAME_MAX;
}

bool AcceptProfileName(const std::string& typed, std::string& name) {
  std::string trimmed(TrimBlanks(typed));
  // Too long, the name would be taken and the edits lost when the file
  // cannot be written; the dialog keeps them while the user shortens it.
  const bool valid = IsValidFileName(trimmed);
  if (valid && ProfileNameFits(trimmed)) {
    name = std::move(trimmed);
    return true;
  }
  MessageDialog(ResStr(valid ? MSG_NAME_TOO_LONG : MSG_INVALID_FILE_NAME),
                ResStr(MSG_INVALID_FILE_NAME_TITLE), mdWarning, 1,
                {ResStr(MSG_OK), ResStr(MSG_CANCEL)}, ButtonSet({mbOK, mbCancel}));
  return false;
}
