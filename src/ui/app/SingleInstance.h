// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QLocalServer;
class QLocalSocket;

// One desktop program per user and program folder: a second start hands its
// files to the window that runs already and ends, so "Open with" from a file
// manager adds to the list the user has open. The first start listens on a
// local socket in a folder only this user can enter; each end checks that
// the other runs as the same user, so no other user can listen in or hand
// files over. A message that is not a well-formed hand-over is dropped, and
// so is a connection that says nothing for a while; only a few connections
// are served at a time, so no client can use up the program's descriptors.
class TSingleInstance final : public QObject {
  Q_OBJECT
 public:
  // Connections served at once; any more are closed straight away. Room
  // for a file manager that starts one program per file of a selection.
  static constexpr int kMaxConnections = 64;

  // The socket's name for this user and program folder; "" when the user
  // has no folder of their own to put it in (then every start has its own
  // window, and stderr says why).
  static QString SocketName();

  // True when a running program of this user took the files (this start
  // should end).
  static bool HandToRunning(const QString& name, const std::vector<std::string>& files,
                            int timeoutMs = 3000);

  // Listens for later starts; each hands over its files to `received`.
  explicit TSingleInstance(const QString& name,
                           std::function<void(std::vector<std::string>)> received,
                           QObject* parent = nullptr);
  bool Listening() const;
  // Connections being served now.
  int OpenConnections() const { return Open_; }
  // How long a connection may take to deliver its whole message.
  int IdleLimitMs = 5000;

 private:
  void Accept(QLocalSocket* socket);
  void Read(QLocalSocket* socket);

  QLocalServer* Server_;
  std::function<void(std::vector<std::string>)> Received_;
  int Open_ = 0;
};
