// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// What bringing a user's copy of a shipped profile tree up to date did; paths
// relative to the tree, "/"-separated, sorted.
struct TSeedResult {
  std::vector<std::string> Added;    // shipped files the user had not been given yet
  std::vector<std::string> Updated;  // given before and never changed: now the newer shipping
  std::vector<std::string> Kept;     // the user's own version, left alone
  std::vector<std::string> Failed;   // could not be copied; tried again next time
};

// Copies what is new in shippedRoot into userRoot without ever overwriting
// a file the user made or changed. Section `tree` of manifestFile records
// for every file the version (a hash of its bytes) the user was last given,
// which makes "changed by the user" decidable:
//  - not given yet: copied when the user has no file of that name, else the
//    user's file is kept (a profile the user named so before we shipped it);
//  - given, and the user's file still has the recorded hash: replaced by the
//    shipped file when that has changed;
//  - given, and the user's file differs: kept;
//  - given, and the user deleted it: stays deleted, a new version included.
// Files of userRoot that were never shipped are not looked at. A manifest
// that cannot be read counts as empty, so nothing is overwritten then either.
TSeedResult SeedProfileTree(const std::string& shippedRoot, const std::string& userRoot,
                            const std::string& manifestFile, const std::string& tree);
