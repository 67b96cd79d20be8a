// One instance per user and display: later starts bring the first forward.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <cstring>

#include "gui/app/SingleInstance.h"
#include "support/TempFolder.h"

namespace orva::gui {
namespace {

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
  }
  ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

// Every test gets its own runtime folder, so it never meets a running program.
class SingleInstanceTest : public ::testing::Test {
 protected:
  test::TempFolder runtime_;
  ScopedEnv env_{"XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime_.path().string())};
};

TEST_F(SingleInstanceTest, LaterStartsBringTheFirstForward) {
  SingleInstance first("orva-a");
  QSignalSpy activations(&first, &SingleInstance::activationRequested);
  ASSERT_TRUE(first.becomePrimary());
  EXPECT_EQ(QFileInfo(first.socketPath()).absolutePath(),
            QDir(QString::fromStdString(runtime_.path().string())).absolutePath());

  SingleInstance second("orva-a");
  EXPECT_FALSE(second.becomePrimary());
  ASSERT_TRUE(activations.wait(2000));

  // The first keeps serving after a request.
  SingleInstance third("orva-a");
  EXPECT_FALSE(third.becomePrimary());
  ASSERT_TRUE(activations.wait(2000));
  EXPECT_EQ(activations.count(), 2);
}

TEST_F(SingleInstanceTest, AnotherKeyIsIndependent) {
  SingleInstance a("orva-a");
  SingleInstance b("orva-b");
  QSignalSpy aActivations(&a, &SingleInstance::activationRequested);
  QSignalSpy bActivations(&b, &SingleInstance::activationRequested);
  ASSERT_TRUE(a.becomePrimary());
  EXPECT_TRUE(b.becomePrimary());

  SingleInstance laterB("orva-b");
  EXPECT_FALSE(laterB.becomePrimary());
  ASSERT_TRUE(bActivations.wait(2000));
  EXPECT_EQ(aActivations.count(), 0);
}

TEST_F(SingleInstanceTest, TheSocketOfACrashedInstanceIsTakenOver) {
  SingleInstance next("orva-a");
  // A crashed instance leaves its bound socket file with nobody listening.
  const QByteArray path = QFile::encodeName(next.socketPath());
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(static_cast<size_t>(path.size()), sizeof address.sun_path);
  std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  ASSERT_TRUE(QFileInfo::exists(next.socketPath()));

  QSignalSpy activations(&next, &SingleInstance::activationRequested);
  ASSERT_TRUE(next.becomePrimary());
  SingleInstance later("orva-a");
  EXPECT_FALSE(later.becomePrimary());
  EXPECT_TRUE(activations.wait(2000));
}

TEST_F(SingleInstanceTest, AStrangerConnectingIsNotARequest) {
  SingleInstance first("orva-a");
  QSignalSpy activations(&first, &SingleInstance::activationRequested);
  ASSERT_TRUE(first.becomePrimary());

  QLocalSocket stranger;
  stranger.connectToServer(first.socketPath());
  ASSERT_TRUE(stranger.waitForConnected(1000));
  stranger.write("hello\n");
  ASSERT_TRUE(stranger.waitForBytesWritten(1000));
  // The primary hangs up on it without coming forward.
  QTRY_COMPARE_WITH_TIMEOUT(stranger.state(), QLocalSocket::UnconnectedState, 2000);
  EXPECT_EQ(activations.count(), 0);
}

TEST(SingleInstanceKey, OnePerUserAndDisplayAsAPlainFileName) {
  const auto keyFor = [](const QByteArray& display, const QByteArray& wayland) {
    const ScopedEnv x11("DISPLAY", display);
    const ScopedEnv way("WAYLAND_DISPLAY", wayland);
    return sessionInstanceKey();
  };
  const QString uid = QString::number(::getuid());
  struct Row {
    QByteArray display, wayland;
  } rows[] = {{":0", {}}, {"host:10.0", {}}, {{}, "wayland-0"}, {{}, "/run/user/1000/wayland-1"}, {{}, {}}};
  QStringList keys;
  for (const Row& r : rows) {
    const QString key = keyFor(r.display, r.wayland);
    EXPECT_FALSE(key.contains('/')) << key.toStdString();
    EXPECT_TRUE(key.contains(uid)) << key.toStdString();
    EXPECT_FALSE(keys.contains(key)) << key.toStdString();
    keys << key;
  }
  EXPECT_EQ(keyFor(":0", {}), keyFor(":0", {}));
  EXPECT_NE(keyFor(":0", {}), keyFor(":1", {}));
}

TEST(SingleInstanceSocket, InTheTempFolderWithoutARuntimeFolder) {
  const ScopedEnv env("XDG_RUNTIME_DIR", {});
  const SingleInstance instance("orva-a");
  EXPECT_EQ(QFileInfo(instance.socketPath()).absolutePath(), QDir(QDir::tempPath()).absolutePath());
}

TEST(BringToFront, RestoresRaisesAndActivatesTheWindow) {
  QWidget other;
  other.show();
  struct Row {
    const char* what;
    void (*prepare)(QWidget&);
  } rows[] = {
      {"minimised", [](QWidget& w) { w.showMinimized(); }},
      {"hidden", [](QWidget& w) { w.hide(); }},
      {"behind another window", [](QWidget& w) { w.show(); }},
  };
  for (const Row& r : rows) {
    QWidget window;
    r.prepare(window);
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other)) << r.what;

    bringToFront(&window);
    EXPECT_TRUE(window.isVisible()) << r.what;
    EXPECT_FALSE(window.isMinimized()) << r.what;
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window)) << r.what;
  }
}

}  // namespace
}  // namespace orva::gui
