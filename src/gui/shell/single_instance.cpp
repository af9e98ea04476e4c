#include "gui/shell/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtDebug>
#include <stdexcept>

namespace velquor {

namespace {
constexpr char kShowRequest[] = "show\n";
constexpr int kWaitMs = 1000;
}  // namespace

SingleInstance::SingleInstance(const QString& folder)
    : socketPath_(QDir(folder).filePath(QStringLiteral("velquor.socket"))),
      lock_(QDir(folder).filePath(QStringLiteral("velquor.lock"))) {
  // A running holder is never taken over, however long it has run; only a lock whose
  // process is gone counts as stale.
  lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool SingleInstance::acquire() {
  if (!lock_.tryLock(100)) {
    if (lock_.error() == QLockFile::LockFailedError) return false;
    throw std::runtime_error("the start-up lock " + lock_.fileName().toStdString() +
                             " cannot be created");
  }
  // A socket file left by a crashed instance would block listening.
  QLocalServer::removeServer(socketPath_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (server_.listen(socketPath_)) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptRequests);
  } else {
    // The program still runs as the only instance; later starts just cannot raise it.
    qWarning() << "Later starts cannot bring this window to the front:" << server_.errorString();
  }
  return true;
}

bool SingleInstance::askRunningInstanceToShow() {
  QLocalSocket socket;
  socket.connectToServer(socketPath_);
  if (!socket.waitForConnected(kWaitMs)) return false;
  socket.write(kShowRequest);
  const bool sent = socket.waitForBytesWritten(kWaitMs);
  socket.disconnectFromServer();
  return sent;
}

void SingleInstance::acceptRequests() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      while (socket->canReadLine()) {
        if (socket->readLine() == kShowRequest) Q_EMIT showRequested();
      }
    });
  }
}

}  // namespace velquor
