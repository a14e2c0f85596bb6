// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/SocketPeer.h"

#include <sys/socket.h>
#include <unistd.h>

bool PeerIsThisUser(int socketFd) {
  struct ucred peer {};
  socklen_t size = sizeof peer;
  if (socketFd < 0 || ::getsockopt(socketFd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
      size != sizeof peer)
    return false;
  return peer.uid == ::geteuid();
}
