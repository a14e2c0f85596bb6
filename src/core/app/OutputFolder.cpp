// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OutputFolder.h"

#include "app/UserFolders.h"
#include "base/TextUtil.h"

std::string ExpandHomePrefix(const std::string& folder) {
  if (folder == "~") return HomeFolder();
  if (folder.rfind("~/", 0) == 0) return HomeFolder() + folder.substr(1);
  return folder;
}

std::string OutputFolderPath(const std::string& text) {
  const std::string folder = ExpandHomePrefix(std::string(TrimBlanks(text)));
  return !folder.empty() && folder.front() == '/' ? folder : std::string();
}
