// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileList.h"

#include "app/Dialogs.h"
#include "base/FileNames.h"
#include "base/FormatText.h"
#include "app/TypeFile.h"
#include "lang/ResStr.h"

TAddResult CheckInputPath(const std::string& path) {
  if (FolderExists(path)) return TAddResult::Folder;
  if (!PathExists(path)) return TAddResult::Missing;
  if (!IsKnownInputType(FileExtension(path))) return TAddResult::UnknownType;
  return TAddResult::Added;
}

TAddResult AddInputFile(const std::string& path, std::vector<TFileItem>& items) {
  if (TAddResult checked = CheckInputPath(path); checked != TAddResult::Added) return checked;
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
