#pragma once
// One orva-config per user and display: the first start listens on a local
// socket; a later start asks it to come forward and exits.

#include <QLocalServer>
#include <QObject>
#include <QString>

class QWidget;

namespace orva::gui {

// The key of this session: the user id and the display, as a file name.
QString sessionInstanceKey();

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // The socket lies in $XDG_RUNTIME_DIR, else in the temp folder, named `key`.
  explicit SingleInstance(const QString& key = sessionInstanceKey(), QObject* parent = nullptr);

  // True: no other instance answered and this one now listens (or runs on
  // without listening when the socket cannot be made). False: a running
  // instance was asked to come forward; this start should exit.
  bool becomePrimary();

  QString socketPath() const { return socketPath_; }

 signals:
  // A later start asked this, the primary instance, to come forward.
  void activationRequested();

 private:
  bool askPrimaryToComeForward(bool* nobodyAnswered) const;
  void takeConnections();

  QString socketPath_;
  QLocalServer server_;
};

// Restores `window` when minimised or hidden, raises and activates it.
void bringToFront(QWidget* window);

}  // namespace orva::gui
