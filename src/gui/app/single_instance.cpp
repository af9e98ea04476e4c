#include "gui/app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSysInfo>
#include <QtDebug>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

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
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty()) return PrivateFolder(runtime);
  return PrivateFolder(
      QDir(QDir::tempPath()).filePath(QStringLiteral("velquor-%1").arg(geteuid())));
}

QString SingleInstance::PrivateFolder(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  const std::string shown = path.toStdString();
  if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
    throw std::runtime_error("the folder " + shown + " cannot be created: " + std::strerror(errno));
  }
  struct stat status {};
  if (lstat(native.constData(), &status) != 0 || !S_ISDIR(status.st_mode)) {
    throw std::runtime_error(shown + " is not a folder");
  }
  if (status.st_uid != geteuid()) {
    throw std::runtime_error("the folder " + shown + " belongs to another user");
  }
  if ((status.st_mode & 077U) != 0) {
    throw std::runtime_error("the folder " + shown + " is open to other users (mode 0" +
                             QString::number(status.st_mode & 0777U, 8).toStdString() +
                             "); it must be 0700");
  }
  return path;
}

namespace {

// True when the lock file names no process that could be checked (it is empty, holds no
// process number, or cannot be read) and no process holds its native lock: no running
// instance made it as it is.
bool IsOwnerlessLock(const QLockFile& lock) {
  qint64 pid = 0;
  QString host;
  QString application;
  if (lock.getLockInfo(&pid, &host, &application)) return false;  // Qt judges those itself
  const int fd = open(QFile::encodeName(lock.fileName()).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == EACCES;  // unreadable to us, so not written by our instance
  const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
  close(fd);
  return !held;
}

// True when some process holds the native lock of the file at `path`.
bool IsHeld(const QString& path) {
  const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
  close(fd);
  return held;
}

}  // namespace

SingleInstance::Holder SingleInstance::holder() const {
  Holder holder;
  QString application;
  if (!lock_.getLockInfo(&holder.pid, &holder.host, &application)) return {};
  holder.otherHost = !holder.host.isEmpty() && holder.host != QSysInfo::machineHostName();
  return holder;
}

bool SingleInstance::takeOver() {
  if (IsHeld(lock_.fileName())) return false;
  QFile::remove(lock_.fileName());
  return acquire();
}

bool SingleInstance::acquire() {
  bool locked = lock_.tryLock(100);
  // Removed by name rather than by Qt, which must read the file to judge it: a lock of mode
  // 000 would stay.
  if (!locked && lock_.error() == QLockFile::LockFailedError && IsOwnerlessLock(lock_) &&
      QFile::remove(lock_.fileName())) {
    locked = lock_.tryLock(100);
  }
  if (!locked) {
    if (lock_.error() == QLockFile::LockFailedError) return false;
    throw std::runtime_error(
        "the start-up lock " + lock_.fileName().toStdString() + " cannot be created (" +
        (lock_.error() == QLockFile::PermissionError ? std::string("no permission to write there")
                                                     : std::string("an unknown error")) +
        "); remove the file or make its folder writable, then start again");
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
