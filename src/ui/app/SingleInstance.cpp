// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QVariant>
#include <cstdio>

#include "app/HandOver.h"
#include "app/ProgramFolder.h"
#include "base/OwnFolder.h"
#include "base/SocketPeer.h"

namespace {

// A connected socket whose other end runs as another user is dropped.
bool PeerIsUs(QLocalSocket& socket) {
  return PeerIsThisUser(static_cast<int>(socket.socketDescriptor()));
}

}  // namespace

QString TSingleInstance::SocketName() {
  std::string problem;
  const std::string folder = UserRuntimeFolder(&problem);
  if (folder.empty()) {
    std::fprintf(
        stderr,
        "kinovert: no private folder for the window's socket (%s); this window is not shared\n",
        problem.c_str());
    return {};
  }
  QByteArray program = QByteArray::fromStdString(ProgramFolder());
  QString tag = QString::fromLatin1(
      QCryptographicHash::hash(program, QCryptographicHash::Sha1).toHex().left(12));
  return QString::fromStdString(folder) + QStringLiteral("kinovert-%1").arg(tag);
}

bool TSingleInstance::HandToRunning(const QString& name, const std::vector<std::string>& files,
                                    int timeoutMs) {
  if (name.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(timeoutMs)) return false;
  // Whoever listens there must be this user's program: the files are not
  // told to anyone else.
  if (!PeerIsUs(socket)) {
    socket.abort();
    return false;
  }
  const std::string data = PackHandOver(files);
  socket.write(data.data(), static_cast<qint64>(data.size()));
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  while (socket.bytesToWrite() > 0)
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
  // The running program answers once it has the files.
  while (socket.bytesAvailable() < 2)
    if (!socket.waitForReadyRead(timeoutMs)) return false;
  return socket.read(2) == "ok";
}

TSingleInstance::TSingleInstance(const QString& name,
                                 std::function<void(std::vector<std::string>)> received,
                                 QObject* parent)
    : QObject(parent), Server_(new QLocalServer(this)), Received_(std::move(received)) {
  if (name.isEmpty()) return;
  Server_->setSocketOptions(QLocalServer::UserAccessOption);
  Server_->setMaxPendingConnections(kMaxConnections);
  if (!Server_->listen(name)) {
    // A socket left by a program that ended without cleaning up: nobody
    // answers on it (or nobody of ours), so it can go.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (!probe.waitForConnected(500) || !PeerIsUs(probe)) {
      probe.abort();
      QLocalServer::removeServer(name);
      Server_->listen(name);
    }
  }
  connect(Server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = Server_->nextPendingConnection()) Accept(socket);
  });
}

bool TSingleInstance::Listening() const {
  return Server_->isListening();
}

void TSingleInstance::Accept(QLocalSocket* socket) {
  if (Open_ >= kMaxConnections || !PeerIsUs(*socket)) {
    socket->abort();
    socket->deleteLater();
    return;
  }
  ++Open_;
  connect(socket, &QObject::destroyed, this, [this] { --Open_; });
  connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  // Never more than one message is read in; a sender that goes beyond it
  // simply waits until the connection is dropped.
  socket->setReadBufferSize(kMaxHandOverBytes + 4);
  connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
  // A connection is served for a few seconds at most, message or not.
  QTimer::singleShot(IdleLimitMs, socket, [socket] {
    socket->abort();
    socket->deleteLater();
  });
  Read(socket);
}

// Waits for the whole message before reading any of it: the four bytes of
// its length say how much is coming, so each piece that arrives costs
// nothing but a look at the count of bytes there.
void TSingleInstance::Read(QLocalSocket* socket) {
  if (socket->property("handled").toBool()) return;
  const QByteArray head = socket->peek(4);
  const int64_t size =
      HandOverMessageSize(std::string_view(head.constData(), static_cast<size_t>(head.size())));
  if (size == 0) return;
  std::vector<std::string> files;
  if (size > 0 && socket->bytesAvailable() < size) return;
  const QByteArray message = size > 0 ? socket->read(size) : QByteArray();
  if (size < 0 ||
      !UnpackHandOver(std::string_view(message.constData(), static_cast<size_t>(message.size())),
                      files)) {
    socket->abort();
    socket->deleteLater();
    return;
  }
  socket->setProperty("handled", true);
  socket->write("ok");
  socket->flush();
  socket->disconnectFromServer();
  if (Received_) Received_(std::move(files));
}
