// One running instance: a lock file in the user's runtime folder marks it, and a local
// socket beside it receives the file names of later starts.
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <memory>

#include "app/shell.h"

namespace tessel {

namespace {
constexpr int kConnectTimeoutMs = 1000;
constexpr int kConnectAttempts = 3;  // the first instance may still be starting

// The runtime folder is private to the user; the temporary folder is shared, so names
// there carry the user id.
QString InstanceBaseName() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return dir + QStringLiteral("/tessel-%1").arg(getuid());
}

// Lives as long as the process, so the lock is released only when it ends.
std::unique_ptr<QLockFile>& InstanceLock() {
  static std::unique_ptr<QLockFile> lock;
  return lock;
}

// Hands the files to the running instance: absolute paths, one a line, UTF-8.
bool SendToRunningInstance(const QString& serverName, const QStringList& files) {
  QByteArray message;
  for (const QString& f : files) message += QFileInfo(f).absoluteFilePath().toUtf8() + '\n';
  for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs)) {
      QThread::msleep(kConnectTimeoutMs / 4);
      continue;
    }
    socket.write(message);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kConnectTimeoutMs);
    return true;
  }
  return false;
}

void Listen(const QString& serverName, std::function<void(const QStringList&)> onFiles) {
  // The server belongs to the application object, so it closes before Qt shuts down.
  auto* server = new QLocalServer(QCoreApplication::instance());
  server->setSocketOptions(QLocalServer::UserAccessOption);
  QLocalServer::removeServer(serverName);  // a socket left behind by a crash
  if (!server->listen(serverName)) return;
  QObject::connect(server, &QLocalServer::newConnection, server, [server, onFiles]() {
    while (QLocalSocket* socket = server->nextPendingConnection()) {
      auto buffer = std::make_shared<QByteArray>();
      QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, buffer]() { *buffer += socket->readAll(); });
      QObject::connect(socket, &QLocalSocket::disconnected, socket, [socket, buffer, onFiles]() {
        *buffer += socket->readAll();
        QStringList files;
        for (const QByteArray& line : buffer->split('\n'))
          if (!line.isEmpty()) files << QString::fromUtf8(line);
        onFiles(files);
        socket->deleteLater();
      });
    }
  });
}
}  // namespace

bool ClaimSingleInstance(const QStringList& files, std::function<void(const QStringList&)> onFiles) {
  const QString base = InstanceBaseName();
  const QString serverName = base + QStringLiteral(".socket");
  auto lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
  // Only a lock whose process is gone is stale, however old it is.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) {
    // When the running instance does not answer, this one runs on its own (without
    // receiving files) rather than dropping the user's files.
    return !SendToRunningInstance(serverName, files);
  }
  InstanceLock() = std::move(lock);
  Listen(serverName, std::move(onFiles));
  return true;
}

}  // namespace tessel
