// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/ResStr.h"

#include <array>

namespace {
std::array<std::string, kMsgKeyCount> Texts = {"No Description"};
}

const std::string& ResStr(TMsgKey key) { return Texts[static_cast<size_t>(key)]; }
