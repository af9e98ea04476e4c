// One running program per user. The first instance holds a lock file in a per-user runtime
// folder and listens on a local socket beside it; a later start finds the lock taken, asks
// the running instance (through the socket) to bring its window to the front, and ends.
// A lock left by a crashed instance names a process that no longer runs, so the next start
// takes it over.
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

  // The user's runtime folder (XDG_RUNTIME_DIR, or Qt's private fallback).
  static QString DefaultFolder();

  // True when no other instance runs: this one now holds the lock and listens for later
  // starts. False when another instance holds it. Throws std::runtime_error when the lock
  // cannot be created at all (for example an unwritable folder).
  bool acquire();

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
