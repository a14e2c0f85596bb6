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

// Folder: a path that is a folder, skipped like a missing file, but a script
// is told what it is.
enum class TAddResult { Added, Missing, Folder, UnknownType, Duplicate, Rejected };

// The checks an added path goes through before the list is looked at: a
// folder, a path that is not there, or a type the type file does not list
// (by its patterns) are skipped; Added means it may be added.
TAddResult CheckInputPath(const std::string& path);

// Adds a file to the list as the file list does: what CheckInputPath skips or
// a path already listed (exactly, case and all) is skipped silently; a file
// media information cannot read is rejected with the "damaged or not
// supported" message.
TAddResult AddInputFile(const std::string& path, std::vector<TFileItem>& items);
