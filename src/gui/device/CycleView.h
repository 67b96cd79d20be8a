#pragma once
// What the device cycles need of the window: covering it, the loading
// window, messages, and showing what a cycle took in.

#include <functional>
#include <string>

#include <QString>

namespace orva::gui {

class CycleView {
 public:
  virtual ~CycleView() = default;

  virtual void cover(bool covered) = 0;
  virtual bool isCovered() const = 0;
  virtual void ShowLoading() = 0;
  virtual void setLoadingProgress(int chunk, int chunkCount) = 0;
  virtual void hideLoading() = 0;
  // The message of language key `key` (e.g. "Str020"), with `detail` on a
  // line of its own when given; `onClosed` runs when the user closes it.
  virtual void showMessage(const char* key, const QString& detail = {},
                           std::function<void()> onClosed = {}) = 0;
  // The mouse is gone: the no-device state and the device-lost dialog.
  // `accessPath`: a mouse is there but may not be opened (permissions).
  virtual void DeviceLost(const std::string& accessPath) = 0;
  // A mouse was opened or released.
  virtual void mouseOpenChanged(bool open) = 0;
  // The state changed under the controls (read, default, load): show it.
  virtual void stateTakenIn() = 0;
  // A read cycle finished: the device-independent page state is back.
  virtual void readFinished() = 0;
  virtual void closeWindow() = 0;
};

}  // namespace orva::gui
