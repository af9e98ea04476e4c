// One running program per user. The first instance holds a lock file in a per-user runtime
// folder and listens on a local socket beside it; a later start finds the lock taken, asks
// the running instance (through the socket) to bring its window to the front, and ends.
// A lock left by a crashed instance names a process that no longer runs, so the next start
// takes it over; so is a lock file that names no process (empty or unreadable, of any mode)
// and that no process holds. A lock of another computer (a home folder shared, a changed
// host name) can be taken over once the user says so (takeOver).
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace velquor {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `folder`: where the lock and the socket live; it must exist and belong to the user.
  explicit SingleInstance(const QString& folder);
  ~SingleInstance() override;

  // The user's runtime folder XDG_RUNTIME_DIR or, without it, the folder "velquor-UID" in
  // the temporary folder, created if missing; either checked by PrivateFolder.
  static QString DefaultFolder();

  // `path` once it is a folder (not a link) owned by this user that no one else may enter
  // (mode 0700 or stricter); a missing one is created so. Throws std::runtime_error naming
  // the folder otherwise: another user could block the lock or take the socket there.
  static QString PrivateFolder(const QString& path);

  QString lockFileName() const { return lock_.fileName(); }

  // True when no other instance runs: this one now holds the lock and listens for later
  // starts. False when another instance holds it. Throws std::runtime_error when the lock
  // cannot be created at all (for example an unwritable folder).
  bool acquire();

  // Who holds the lock, by its file, after acquire() returned false.
  struct Holder {
    qint64 pid = 0;          // 0 when the file names none or cannot be read
    QString host;            // the computer's name the file gives
    bool otherHost = false;  // the file names another computer, whose process cannot be checked
  };
  Holder holder() const;

  // Removes a lock of another computer that no process here holds and acquires as
  // acquire() does. False when it is still held.
  bool takeOver();

  // From a later start: asks the running instance to show itself. False when it could not
  // be reached.
  bool askRunningInstanceToShow();

 Q_SIGNALS:
  // A later start asked this instance to come to the front.
  void showRequested();

 private:
  void acceptRequests();

  QString socketPath_;
  QLockFile lock_;
  QLocalServer server_;
};

}  // namespace velquor
