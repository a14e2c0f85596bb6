// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include "app/ProgramFolder.h"

namespace {

// What a second start sends: the files as a list of byte strings, so a name
// that is no valid text in any encoding still arrives unchanged.
QByteArray Pack(const std::vector<std::string>& files) {
  QByteArray data;
  QDataStream out(&data, QIODevice::WriteOnly);
  out << static_cast<quint32>(files.size());
  for (const std::string& f : files) out << QByteArray(f.data(), static_cast<qsizetype>(f.size()));
  return data;
}

}  // namespace

QString TSingleInstance::SocketName() {
  QByteArray folder = QByteArray::fromStdString(ProgramFolder());
  QString tag = QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(12));
  QString base = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") ? qEnvironmentVariable("XDG_RUNTIME_DIR")
                                                              : QDir::tempPath();
  return QDir(base).filePath(QStringLiteral("kinovert-%1-%2").arg(::getuid()).arg(tag));
}

bool TSingleInstance::HandToRunning(const QString& name, const std::vector<std::string>& files, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(timeoutMs)) return false;
  QByteArray data = Pack(files);
  QByteArray framed;
  QDataStream frame(&framed, QIODevice::WriteOnly);
  frame << data;
  socket.write(framed);
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  // The running program answers once it has the files.
  return socket.waitForReadyRead(timeoutMs) && socket.readAll() == "ok";
}

TSingleInstance::TSingleInstance(const QString& name, std::function<void(std::vector<std::string>)> received,
                                 QObject* parent)
    : QObject(parent), Server_(new QLocalServer(this)), Received_(std::move(received)) {
  Server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!Server_->listen(name)) {
    // A socket left by a program that ended without cleaning up: nobody
    // answers on it, so it can go.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (!probe.waitForConnected(500)) {
      QLocalServer::removeServer(name);
      Server_->listen(name);
    }
  }
  connect(Server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = Server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        QDataStream in(socket);
        in.startTransaction();
        QByteArray data;
        in >> data;
        if (!in.commitTransaction()) return;  // wait for the rest
        QDataStream list(data);
        quint32 count = 0;
        list >> count;
        std::vector<std::string> files;
        for (quint32 i = 0; i < count && list.status() == QDataStream::Ok; ++i) {
          QByteArray f;
          list >> f;
          files.push_back(f.toStdString());
        }
        socket->write("ok");
        socket->flush();
        if (Received_) Received_(std::move(files));
      });
    }
  });
}

bool TSingleInstance::Listening() const { return Server_->isListening(); }
