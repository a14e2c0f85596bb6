// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileList.h"

#include "app/Dialogs.h"
#include "base/FileNames.h"
#include "base/FormatText.h"
#include "app/TypeFile.h"
#include "lang/ResStr.h"

TAddResult AddInputFile(const std::string& path, std::vector<TFileItem>& items) {
  if (!PathExists(path) || FolderExists(path)) return TAddResult::Missing;
  if (!IsKnownInputType(FileExtension(path))) return TAddResult::UnknownType;
  for (const TFileItem& item : items)
    if (item.Caption() == path) return TAddResult::Duplicate;
  TFileItem item{FileNamePart(path), FolderPart(path), QueryMediaStrings(path)};
  if (!IsMediaReadable(item.Media)) {
    MessageBoxText(FormatText(ResStr(MSG_FORMAT_ERROR), {path}), ResStr(MSG_Error),
                   MB_ICONINFORMATION);
    return TAddResult::Rejected;
  }
  items.push_back(std::move(item));
  return TAddResult::Added;
}
