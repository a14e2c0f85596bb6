// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Folders that only this user can reach, for what another local user must
// never see or replace (the desktop program's window socket). A name in a
// shared folder such as /tmp is predictable: anyone could make it first.

// Makes `folder` with mode 0700 when it is missing, and accepts an existing
// one only when it is a real folder (no link) of this user that nobody else
// may enter. True when the folder is such a one afterwards; otherwise
// `problem` (if given) says why.
bool EnsureOwnFolder(const std::string& folder, std::string* problem = nullptr);

// The user's runtime folder: $XDG_RUNTIME_DIR when it is a folder of this
// user's own, else "kinovert-runtime-<uid>" in $TMPDIR (or /tmp), made and checked
// as EnsureOwnFolder does. Ends with "/"; "" (with `problem`) when there is
// none to be had.
std::string UserRuntimeFolder(std::string* problem = nullptr);
