#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace {

// Real processes, each with the same user runtime folder, as two starts of the toolbox have.
class SingleInstanceProcesses : public ::testing::Test {
 protected:
  std::unique_ptr<QProcess> start() {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime_.path());
    process->setProcessEnvironment(environment);
    process->start(TOLVAR_SINGLE_INSTANCE_PROBE, {});
    EXPECT_TRUE(process->waitForStarted());
    EXPECT_TRUE(process->waitForReadyRead(10000));
    return process;
  }
  static QString answer(QProcess& process) { return QString(process.readLine()).trimmed(); }

  QTemporaryDir runtime_;
};

TEST_F(SingleInstanceProcesses, ASecondCopyIsRefusedAndTheFirstKeepsRunning) {
  auto first = start();
  EXPECT_EQ(answer(*first), "acquired");
  auto second = start();
  EXPECT_EQ(answer(*second), "refused");
  EXPECT_TRUE(second->waitForFinished());
  EXPECT_EQ(second->exitCode(), 3);
  EXPECT_EQ(first->state(), QProcess::Running);
  first->closeWriteChannel();
  EXPECT_TRUE(first->waitForFinished());
}

TEST_F(SingleInstanceProcesses, ACopyThatWasKilledDoesNotBlockTheNextStart) {
  auto first = start();
  EXPECT_EQ(answer(*first), "acquired");
  first->kill();
  EXPECT_TRUE(first->waitForFinished());
  auto next = start();
  EXPECT_EQ(answer(*next), "acquired");
  next->closeWriteChannel();
  EXPECT_TRUE(next->waitForFinished());
}

TEST_F(SingleInstanceProcesses, AnotherUsersCopyDoesNotBlock) {
  auto first = start();
  EXPECT_EQ(answer(*first), "acquired");
  QTemporaryDir otherUser;
  auto other = std::make_unique<QProcess>();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_RUNTIME_DIR", otherUser.path());
  other->setProcessEnvironment(environment);
  other->start(TOLVAR_SINGLE_INSTANCE_PROBE, {});
  ASSERT_TRUE(other->waitForReadyRead(10000));
  EXPECT_EQ(answer(*other), "acquired");
  other->closeWriteChannel();
  first->closeWriteChannel();
  EXPECT_TRUE(other->waitForFinished());
  EXPECT_TRUE(first->waitForFinished());
}

}  // namespace
