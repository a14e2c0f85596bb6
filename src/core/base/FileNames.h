// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Paths use "/". The extension of a name is everything from the last "." of
// its file-name part, the dot included (".avi"); a name without a dot has none.

// path with one trailing "/" (unchanged if it already ends in one); "" stays
// "", so an empty folder never turns into the root folder.
std::string IncludeBackslash(const std::string& path);
// path without its trailing "/" (unchanged if none); the root "/" stays.
std::string ExcludeBackslash(const std::string& path);

// The file-name part (after the last "/").
std::string FileNamePart(std::string_view path);
// The folder part with its trailing "/", "" when path has none.
std::string FolderPart(std::string_view path);
// The extension of the file-name part, "" when there is none.
std::string FileExtension(std::string_view path);
// path minus the extension of its file-name part.
std::string PathWithoutExtension(std::string_view path);
// path with the extension of its file-name part replaced (ext includes its dot).
std::string ChangeFileExtension(std::string_view path, std::string_view ext);
// Folder of path + newBase + extension of path.
std::string ReplaceFileName(std::string_view path, std::string_view newBase);

// name, or the first of name(1).ext, name(2).ext, ... that nothing in folder
// is called yet; name(32768).ext when all 32767 are taken. The result has no
// folder part, and the characters of name are taken as they stand.
std::string UniqueFileName(const std::string& name, const std::string& folder);

// UniqueFileName, with the name taken at once by creating an empty file of
// it: programs converting into one folder side by side (several batches, or
// one per file) never pick the same name before their encoders write. When
// the file cannot be created (a read-only folder) the name is returned all
// the same, and the writer meets the problem itself.
std::string ReserveUniqueFileName(const std::string& name, const std::string& folder);

// False when text is empty or holds any of \ / : * ? " < > |.
bool IsValidFileName(std::string_view text);

// Size in bytes of the file, -1 when there is no such file (or it is a folder).
int64_t FileSize64(const std::string& path);

// Deletes the file when it exists and is empty; true when it was deleted.
bool DeleteIfEmpty(const std::string& path);

// Gives a file a new name, never over another: false when something is
// called `to` already (and on any other failure), and then both stay as they
// were. A plain rename would replace an existing `to` without a word.
bool RenameFileNoReplace(const std::string& from, const std::string& to);

// Removes a file (never a folder); true when it is gone, also when it was
// gone before.
bool DeleteFile(const std::string& path);

// True when something (file, folder, link) has this name.
bool PathExists(const std::string& path);
bool FolderExists(const std::string& path);

// folder + name when that exists; otherwise the first entry of folder whose
// name equals name in any ASCII letter case; otherwise folder + name. Data
// files are looked up this way because their names reach us in the letter
// case a user or a menu chose ("English.ini" for english.ini).
std::string FindFileIgnoringCase(const std::string& folder, const std::string& name);
