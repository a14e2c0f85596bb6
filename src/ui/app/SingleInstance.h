// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QLocalServer;

// One desktop program per user and program folder: a second start hands its
// files to the window that runs already and ends, so "Open with" from a file
// manager adds to the list the user has open. The first start listens on a
// local socket that only this user can reach.
class TSingleInstance final : public QObject {
  Q_OBJECT
 public:
  // The socket's name for this user and program folder.
  static QString SocketName();

  // True when a running program took the files (this start should end).
  static bool HandToRunning(const QString& name, const std::vector<std::string>& files, int timeoutMs = 3000);

  // Listens for later starts; each hands over its files to `received`.
  explicit TSingleInstance(const QString& name, std::function<void(std::vector<std::string>)> received,
                           QObject* parent = nullptr);
  bool Listening() const;

 private:
  QLocalServer* Server_;
  std::function<void(std::vector<std::string>)> Received_;
};
