// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The table of user-visible texts. Only the keys core needs so far are here;
// the full table with language loading replaces this file.
enum TMsgKey : int {
  MSG_NO_DESCRIPTION,
  kMsgKeyCount
};

const std::string& ResStr(TMsgKey key);
