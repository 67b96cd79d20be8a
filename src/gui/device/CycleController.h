#pragma once
// The window's side of the device work: the presence-poll timers, the queue
// of cycles handed to the device thread, and what the window shows when a
// cycle starts and ends. The window never waits for the mouse: requests go
// to the device thread and reports come back as queued signals.

#include <deque>
#include <memory>

#include <QObject>
#include <QThread>
#include <QTimer>

#include "core/device/Discovery.h"
#include "gui/device/CycleTypes.h"
#include "gui/device/CycleView.h"
#include "platform/link/DeviceBackend.h"

namespace orva::gui {

class DeviceWorker;

inline constexpr int kFirstPollMs = 20;
inline constexpr int kPollMs = 3000;

class CycleController : public QObject {
  Q_OBJECT
 public:
  CycleController(std::unique_ptr<DeviceBackend> backend, const AcceptedIdentities& identities,
                  CycleView& view, QObject* parent = nullptr);
  ~CycleController() override;

  // The program's parameter state. The window edits it freely: a cycle
  // works on a copy taken when it starts and hands back its result.
  ParameterCycles& state() { return state_; }
  const ParameterCycles& state() const { return state_; }

  // A mouse is open (the device gate lets operations through).
  bool mouseOpen() const { return mouseOpen_; }
  // A cycle is running or waiting on the device thread.
  bool busy() const { return running_ || !queue_.empty(); }

  // The first poll 20 ms from now, then one every 3 s.
  void startPolling();
  void Read();
  void Apply(bool thenClose);
  void Default(int number, const std::string& defaultFile);
  void Save(const std::filesystem::path& chosen);
  void Load(const std::filesystem::path& file);

  QTimer& DevTimerFirst() { return DevTimerFirst_; }
  QTimer& DevTimer() { return DevTimer_; }

 signals:
  // A cycle's report was handled (tests and measurements wait for it).
  void cycleFinished(orva::gui::CycleKind kind);

 private:
  void DevTimerTimer();
  void enqueue(CycleKind kind, std::function<void(CycleRequest&)> fill = {});
  void startNext();
  void onCycleStarted();
  void onFinished(CycleReportPtr report);
  void handlePoll(const CycleReport& report);
  // What follows the readiness and identity check of a poll, Read or Save.
  void finishCheck(const CycleReport& report);
  // True when the mouse was accepted and the read cycle's end was handled.
  bool handleDevInfo(const CycleReport& report);
  void endCycle(bool uncover);
  void restartPoll();

  CycleView& view_;
  ParameterCycles state_;
  bool mouseOpen_ = false;
  bool running_ = false;
  bool coveredBefore_ = false;
  std::deque<CycleRequestPtr> queue_;
  QTimer DevTimerFirst_;
  QTimer DevTimer_;
  QThread thread_;
  DeviceWorker* worker_ = nullptr;  // lives on thread_, deleted when it ends
};

}  // namespace orva::gui
