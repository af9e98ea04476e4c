// One running program per user, checked with real processes: a second start is refused
// without a form and brings the first forward; a lock left by a killed process does not
// block the next start.
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "gui/app/single_instance.h"

namespace velquor {
namespace {

constexpr int kWaitMs = 20000;

class Probe {
 public:
  // `answer`: what the probe answers to a question ("yes", or anything else for No).
  explicit Probe(const QString& folder, const QString& answer = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELQUOR_PROBE_ANSWER"), answer);
    process_.setProcessEnvironment(environment);
    process_.setProgram(QStringLiteral(VELQUOR_INSTANCE_PROBE));
    process_.setArguments({folder});
    process_.start();
  }
  ~Probe() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished(kWaitMs);
    }
  }

  // Waits until the probe has written `line`; false after the time limit or when it ended.
  bool waitForLine(const QString& line) {
    while (!output_.split(u'\n').contains(line)) {
      if (!process_.waitForReadyRead(kWaitMs)) return false;
      output_ += QString::fromUtf8(process_.readAllStandardOutput());
    }
    return true;
  }

  // Waits for the end and returns everything the probe wrote.
  QString finish() {
    process_.waitForFinished(kWaitMs);
    output_ += QString::fromUtf8(process_.readAllStandardOutput());
    return output_;
  }

  void kill() {
    process_.kill();
    process_.waitForFinished(kWaitMs);
  }

  QProcess& process() { return process_; }

 private:
  QProcess process_;
  QString output_;
};

TEST(SingleInstance, SecondStartIsRefusedAndBringsTheFirstForward) {
  QTemporaryDir folder;
  Probe first(folder.path());
  ASSERT_TRUE(first.waitForLine(QStringLiteral("started"))) << first.finish().toStdString();

  Probe second(folder.path());
  const QString said = second.finish();
  EXPECT_EQ(second.process().exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.process().exitCode(), 0);
  EXPECT_EQ(said, QStringLiteral("message: Application is already running\nvisible windows: 0\n"));
  EXPECT_TRUE(first.waitForLine(QStringLiteral("show requested")));
}

TEST(SingleInstance, LockOfAKilledInstanceDoesNotBlockTheNextStart) {
  QTemporaryDir folder;
  {
    Probe crashed(folder.path());
    ASSERT_TRUE(crashed.waitForLine(QStringLiteral("started")));
    crashed.kill();
  }
  ASSERT_TRUE(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("velquor.lock"))))
      << "the killed instance should have left its lock behind";

  Probe next(folder.path());
  EXPECT_TRUE(next.waitForLine(QStringLiteral("started"))) << next.finish().toStdString();
}

// A lock file that names no process and that no process holds (left empty or unreadable by
// a crash or a full disk) does not block the start; one a live instance holds still does.
TEST(SingleInstance, AnOwnerlessLockFileIsTakenOver) {
  for (const QFile::Permissions permissions :
       {QFile::ReadOwner | QFile::WriteOwner, QFile::Permissions{}}) {
    QTemporaryDir folder;
    const QString lockPath = QDir(folder.path()).filePath(QStringLiteral("velquor.lock"));
    {
      QFile empty(lockPath);
      ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(lockPath, permissions);
    Probe next(folder.path());
    EXPECT_TRUE(next.waitForLine(QStringLiteral("started"))) << next.finish().toStdString();
    SingleInstance later(folder.path());
    EXPECT_FALSE(later.acquire());
  }
}

TEST(SingleInstance, TheFolderMustBePrivate) {
  QTemporaryDir parent;
  const QDir dir(parent.path());
  const QString created = dir.filePath(QStringLiteral("new"));
  EXPECT_EQ(SingleInstance::PrivateFolder(created), created);
  EXPECT_EQ(QFileInfo(created).permissions() & 0x0077, 0) << "group and others may not enter";

  const QString open = dir.filePath(QStringLiteral("open"));
  ASSERT_TRUE(dir.mkdir(open));
  QFile::setPermissions(open, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                  QFile::ReadOther | QFile::ExeOther);
  const QString link = dir.filePath(QStringLiteral("link"));
  ASSERT_TRUE(QFile::link(created, link));
  const QString file = dir.filePath(QStringLiteral("file"));
  ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
  for (const QString& refused : {open, link, file}) {
    EXPECT_THROW(SingleInstance::PrivateFolder(refused), std::runtime_error)
        << refused.toStdString();
  }
}

TEST(SingleInstance, WithoutARuntimeFolderTheDefaultIsPrivate) {
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  qunsetenv("XDG_RUNTIME_DIR");
  const QString folder = SingleInstance::DefaultFolder();
  qputenv("XDG_RUNTIME_DIR", saved);
  EXPECT_TRUE(QDir::isAbsolutePath(folder)) << folder.toStdString();
  EXPECT_EQ(QFileInfo(folder).ownerId(), geteuid());
  EXPECT_EQ(QFileInfo(folder).permissions() & 0x0077, 0);
}

TEST(SingleInstance, AnUnusableFolderIsAnError) {
  QTemporaryDir parent;
  SingleInstance instance(QDir(parent.path()).filePath(QStringLiteral("missing")));
  EXPECT_THROW(instance.acquire(), std::runtime_error);
}

// A lock another computer left (its process cannot be checked from here) does not block
// every start: the start asks, naming the file and the computer, and takes it over on Yes;
// on No nothing starts and the file stays.
TEST(SingleInstance, ALockOfAnotherComputerIsTakenOverOnlyWhenTheUserSaysSo) {
  QTemporaryDir folder;
  const QString lockPath = QDir(folder.path()).filePath(QStringLiteral("velquor.lock"));
  const QByteArray foreign = "4242\nvelquor\nanother-computer.example\n";
  {
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(foreign);
  }
  Probe refused(folder.path(), QStringLiteral("no"));
  const QString said = refused.finish();
  EXPECT_TRUE(said.startsWith(QStringLiteral("question: "))) << said.toStdString();
  EXPECT_TRUE(said.contains(lockPath)) << said.toStdString();
  EXPECT_TRUE(said.contains(QStringLiteral("another-computer.example"))) << said.toStdString();
  EXPECT_TRUE(said.endsWith(QStringLiteral("visible windows: 0\n"))) << said.toStdString();
  {
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
    EXPECT_EQ(lock.readAll(), foreign);
  }
  Probe taken(folder.path(), QStringLiteral("yes"));
  EXPECT_TRUE(taken.waitForLine(QStringLiteral("started"))) << taken.finish().toStdString();
  SingleInstance later(folder.path());
  EXPECT_FALSE(later.acquire());
  EXPECT_FALSE(later.holder().otherHost);
}

// A lock held by a process of this computer that does not answer (no socket) is not called
// merely "already running": the box names the lock file and what to do.
TEST(SingleInstance, ASilentHolderIsNamedWithItsLockFile) {
  QTemporaryDir folder;
  const QString lockPath = QDir(folder.path()).filePath(QStringLiteral("velquor.lock"));
  QLockFile held(lockPath);
  ASSERT_TRUE(held.tryLock(0));
  Probe next(folder.path());
  const QString said = next.finish();
  EXPECT_TRUE(
      said.startsWith(QStringLiteral("message: Application is already running, but it "
                                     "does not answer")))
      << said.toStdString();
  EXPECT_TRUE(said.contains(lockPath)) << said.toStdString();
  EXPECT_TRUE(said.contains(QStringLiteral("remove that file"))) << said.toStdString();
  EXPECT_TRUE(said.endsWith(QStringLiteral("visible windows: 0\n"))) << said.toStdString();
}

// A stored setting the program cannot read is named in one box at the start, which goes on;
// the next start says nothing.
TEST(SingleInstance, UnreadableSettingsAreReportedOnceAtTheStart) {
  const QString file = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                           .filePath(QStringLiteral("Unknown Organization/instance_probe.conf"));
  QSettings(file, QSettings::IniFormat)
      .setValue(QStringLiteral("chart/style"), QStringLiteral("diagonal"));
  for (const bool first : {true, false}) {
    QTemporaryDir folder;
    Probe start(folder.path());
    ASSERT_TRUE(start.waitForLine(QStringLiteral("started"))) << start.finish().toStdString();
    start.kill();
    const QString said = start.finish();
    EXPECT_EQ(said.contains(QStringLiteral("chart/style: \"diagonal\"")), first)
        << said.toStdString();
    EXPECT_EQ(said.contains(file), first) << said.toStdString();
  }
  QFile::remove(file);
}

}  // namespace
}  // namespace velquor
