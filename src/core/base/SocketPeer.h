// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// True when the process at the other end of a connected local socket runs
// as this user (the kernel's account of it, which the peer cannot forge).
// False for anyone else, and when the socket cannot tell.
bool PeerIsThisUser(int socketFd);
