// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a second start of the desktop program sends the window that runs
// already: its files as byte strings (a name need not be text), framed by
// the length of what follows. All numbers are 32 bits, big-endian:
//
//   frame:   length of the payload, payload
//   payload: count of files, then per file its length and its bytes
//
// A hand-over carries what fits on a command line; the limit keeps a
// message that claims more from being waited for or read at all.
inline constexpr uint32_t kMaxHandOverBytes = 8u << 20;

// The framed message for these files.
std::string PackHandOver(const std::vector<std::string>& files);

// The size of the whole framed message whose start is `head`: 0 while fewer
// than the four bytes of its length are there, -1 when it announces more
// than kMaxHandOverBytes.
int64_t HandOverMessageSize(std::string_view head);

// The files of a whole framed message. False, with `files` empty, for
// anything that is not exactly one well-formed hand-over: a wrong length, a
// count its payload cannot hold, bytes left over, or a name that is empty,
// not a full path, or holds a NUL byte.
bool UnpackHandOver(std::string_view message, std::vector<std::string>& files);
