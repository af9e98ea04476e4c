// One running program per user, checked with real processes: a second start is refused
// without a form and brings the first forward; a lock left by a killed process does not
// block the next start.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "gui/shell/single_instance.h"

namespace velquor {
namespace {

constexpr int kWaitMs = 20000;

class Probe {
 public:
  explicit Probe(const QString& folder) {
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

TEST(SingleInstance, AnUnusableFolderIsAnError) {
  QTemporaryDir parent;
  SingleInstance instance(QDir(parent.path()).filePath(QStringLiteral("missing")));
  EXPECT_THROW(instance.acquire(), std::runtime_error);
}

}  // namespace
}  // namespace velquor
