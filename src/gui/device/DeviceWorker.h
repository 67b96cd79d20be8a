#pragma once
// The device thread's side: every exchange with the mouse runs here, one
// cycle at a time, in the order the window asked for them.

#include <memory>

#include <QObject>

#include "core/device/Discovery.h"
#include "gui/device/CycleTypes.h"
#include "platform/link/DeviceBackend.h"

namespace orva::gui {

class DeviceWorker : public QObject {
  Q_OBJECT
 public:
  DeviceWorker(std::unique_ptr<DeviceBackend> backend, const AcceptedIdentities& identities);
  ~DeviceWorker() override;

 public slots:
  void run(orva::gui::CycleRequestPtr request);

 signals:
  // The mouse is about to be read or written: cover the window, stop the
  // poll, show the loading window.
  void cycleStarted();
  void progress(int chunk, int chunkCount);
  void finished(orva::gui::CycleReportPtr report);

 private:
  void poll(CycleRequest& request, CycleReport& report);
  // The parameters-only read that follows an accepted identity check.
  void readAccepted(CycleRequest& request, CycleReport& report);
  void startCycle(CycleReport& report);

  std::unique_ptr<DeviceBackend> backend_;
  AcceptedIdentities identities_;
  PresencePoll presence_;
};

}  // namespace orva::gui
