#include "gui/app/SingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QWidget>

namespace orva::gui {
namespace {

const QByteArray kComeForward = "come-forward\n";
constexpr int kLineLimit = 64;
// A later start is a short-lived process of its own: it may block briefly.
constexpr int kHandshakeMs = 500;
constexpr int kLockWaitMs = 1000;

QString socketFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace

QString sessionInstanceKey() {
  QString display = qEnvironmentVariable("DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("WAYLAND_DISPLAY");
  // Displays look like ":0", "host:10.0" or a Wayland socket path; keep the
  // key one plain file name.
  display.replace(QRegularExpression("[^A-Za-z0-9._-]"), "_");
  return QStringLiteral("orva-config-%1-%2").arg(::getuid()).arg(display);
}

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), socketPath_(QDir(socketFolder()).filePath(key)) {
  // No socket options: with them the socket is renamed into place, which
  // would replace a running instance's socket instead of failing. Others
  // cannot connect anyway (the runtime folder is private; in the temp folder
  // connecting needs write access to the socket, which the umask withholds).
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::takeConnections);
}

bool SingleInstance::becomePrimary() {
  // Two starts at once must not both find a stale socket, remove it and
  // listen: the check and the listen happen under a lock.
  QLockFile lock(socketPath_ + ".lock");
  // When the lock cannot be had (an unwritable folder), go on without it.
  (void)lock.tryLock(kLockWaitMs);

  bool nobodyAnswered = false;
  if (askPrimaryToComeForward(&nobodyAnswered)) return false;
  // The socket file of an instance that crashed: nothing listens on it.
  if (nobodyAnswered) QLocalServer::removeServer(socketPath_);
  if (server_.listen(socketPath_)) return true;
  // No single-instance guard then, but the program still runs.
  qWarning("orva-config: cannot listen on %s: %s", qPrintable(socketPath_),
           qPrintable(server_.errorString()));
  return true;
}

bool SingleInstance::askPrimaryToComeForward(bool* nobodyAnswered) const {
  QLocalSocket socket;
  socket.connectToServer(socketPath_);
  if (!socket.waitForConnected(kHandshakeMs)) {
    *nobodyAnswered = socket.error() == QLocalSocket::ConnectionRefusedError;
    return false;
  }
  socket.write(kComeForward);
  const bool sent = socket.waitForBytesWritten(kHandshakeMs);
  socket.disconnectFromServer();
  return sent;
}

void SingleInstance::takeConnections() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    const auto readRequest = [this, socket] {
      if (socket->canReadLine()) {
        if (socket->readLine(kLineLimit) == kComeForward) emit activationRequested();
        socket->disconnectFromServer();
      } else if (socket->bytesAvailable() >= kLineLimit) {
        socket->abort();  // not one of ours
      }
    };
    connect(socket, &QLocalSocket::readyRead, this, readRequest);
    readRequest();  // the request may have arrived with the connection
  }
}

void bringToFront(QWidget* window) {
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace orva::gui
