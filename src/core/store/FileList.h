// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "media/MediaStrings.h"

// One input file of the list: its name, its folder (with "/") and the sixteen
// media strings, the second of which is its size in bytes.
struct TFileItem {
  std::string FileName;
  std::string FilePath;
  TMediaStrings Media;
  std::string Caption() const { return FilePath + FileName; }
};

enum class TAddResult { Added, Missing, UnknownType, Duplicate, Rejected };

// Adds a file to the list as the file list does: a missing file, an unknown
// type (by the type file's patterns) or a path already listed (exactly, case
// and all) is skipped silently; a file media information cannot read is
// rejected with the "damaged or not supported" message.
TAddResult AddInputFile(const std::string& path, std::vector<TFileItem>& items);
