#include "gui/device/CycleController.h"

#include "gui/device/DeviceWorker.h"

namespace orva::gui {
namespace {

// Confirm closes the window this long after its apply, as after a click.
constexpr int kConfirmCloseDelayMs = 110;

}  // namespace

CycleController::CycleController(std::unique_ptr<DeviceBackend> backend, const AcceptedIdentities& identities,
                                 CycleView& view, QObject* parent)
    : QObject(parent), view_(view) {
  qRegisterMetaType<CycleRequestPtr>();
  qRegisterMetaType<CycleReportPtr>();
  DevTimerFirst_.setInterval(kFirstPollMs);
  DevTimer_.setInterval(kPollMs);
  connect(&DevTimerFirst_, &QTimer::timeout, this, &CycleController::DevTimerTimer);
  connect(&DevTimer_, &QTimer::timeout, this, &CycleController::DevTimerTimer);

  worker_ = new DeviceWorker(std::move(backend), identities);
  worker_->moveToThread(&thread_);
  connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
  connect(worker_, &DeviceWorker::cycleStarted, this, &CycleController::onCycleStarted);
  connect(worker_, &DeviceWorker::progress, this,
          [this](int chunk, int count) { view_.setLoadingProgress(chunk, count); });
  connect(worker_, &DeviceWorker::finished, this, &CycleController::onFinished);
  thread_.setObjectName("device");
  thread_.start();
}

CycleController::~CycleController() {
  // A running cycle is finished, not cut off: the mouse is never left in
  // the middle of a write.
  thread_.quit();
  thread_.wait();
}

void CycleController::startPolling() { DevTimerFirst_.start(); }

void CycleController::DevTimerTimer() {
  // One tick at a time; a tick that comes while a cycle runs is dropped.
  if (busy()) return;
  enqueue(CycleKind::Poll);
}

void CycleController::Read() { enqueue(CycleKind::Read); }

void CycleController::Apply(bool thenClose) {
  enqueue(CycleKind::Apply, [thenClose](CycleRequest& r) { r.thenClose = thenClose; });
}

void CycleController::Default(int number, const std::string& defaultFile) {
  enqueue(CycleKind::Default, [number, defaultFile](CycleRequest& r) {
    r.defaultNumber = number;
    r.defaultFile = defaultFile;
  });
}

void CycleController::Save(const std::filesystem::path& chosen) {
  enqueue(CycleKind::Save, [chosen](CycleRequest& r) { r.file = chosen; });
}

void CycleController::Load(const std::filesystem::path& file) {
  enqueue(CycleKind::Load, [file](CycleRequest& r) { r.file = file; });
}

void CycleController::enqueue(CycleKind kind, std::function<void(CycleRequest&)> fill) {
  auto request = std::make_shared<CycleRequest>();
  request->kind = kind;
  if (fill) fill(*request);
  queue_.push_back(std::move(request));
  startNext();
}

void CycleController::startNext() {
  if (running_ || queue_.empty()) return;
  CycleRequestPtr request = std::move(queue_.front());
  queue_.pop_front();
  // The state as it is now, after every earlier cycle and every edit.
  request->state = state_;
  running_ = true;
  coveredBefore_ = view_.isCovered();
  QMetaObject::invokeMethod(worker_, "run", Qt::QueuedConnection, Q_ARG(orva::gui::CycleRequestPtr, request));
}

void CycleController::onCycleStarted() {
  DevTimer_.stop();
  view_.cover(true);
  view_.setLoadingProgress(0, 0);
  view_.ShowLoading();
}

void CycleController::onFinished(CycleReportPtr report) {
  running_ = false;
  if (mouseOpen_ != report->mouseOpen) {
    mouseOpen_ = report->mouseOpen;
    view_.mouseOpenChanged(mouseOpen_);
  }
  if (report->stateChanged) state_ = std::move(report->state);
  switch (report->kind) {
    case CycleKind::Poll:
      handlePoll(*report);
      break;
    case CycleKind::Read:
      finishCheck(*report);
      break;
    case CycleKind::Apply: {
      endCycle(true);
      const bool written = *report->apply == ApplyOutcome::Written;
      // A write that did not happen must not look like one that did.
      if (!written) view_.showMessage("Str109");
      if (written && report->thenClose) {
        QTimer::singleShot(kConfirmCloseDelayMs, this, [this] { view_.closeWindow(); });
      }
      break;
    }
    case CycleKind::Default:
    case CycleKind::Load:
      if (report->stateChanged) view_.stateTakenIn();
      endCycle(true);
      if (report->write->outcome == WriteOutcome::FileUnreadable) {
        view_.showMessage("Str109", QString::fromStdString(report->fileError));
      } else if (report->write->outcome != WriteOutcome::Verified) {
        view_.showMessage("Str109");
      }
      break;
    case CycleKind::Save: {
      const SaveResult& save = *report->save;
      finishCheck(*report);
      if (save.outcome == SaveOutcome::FileError) {
        view_.showMessage("Str109", QString::fromStdString(save.error));
      } else if (save.outcome == SaveOutcome::NotRead && report->devInfo &&
                 report->devInfo->outcome != DevInfoOutcome::IdentityMismatch &&
                 report->devInfo->outcome != DevInfoOutcome::NotUsable) {
        // Those two have said why already.
        view_.showMessage("Str109");
      }
      break;
    }
  }
  emit cycleFinished(report->kind);
  startNext();
}

void CycleController::handlePoll(const CycleReport& report) {
  DevTimerFirst_.stop();
  if (report.poll->deviceLost) {
    view_.DeviceLost(report.accessPath);
    restartPoll();
    return;
  }
  finishCheck(report);
}

void CycleController::finishCheck(const CycleReport& report) {
  if (handleDevInfo(report)) return;
  if (report.covered) {
    view_.hideLoading();
    view_.cover(coveredBefore_);
  }
  // After a refused mouse the poll resumes when the user closes the message.
  const bool waitsForMessage = report.devInfo && (report.devInfo->outcome == DevInfoOutcome::IdentityMismatch ||
                                                  report.devInfo->outcome == DevInfoOutcome::NotUsable);
  if (!waitsForMessage) restartPoll();
}

bool CycleController::handleDevInfo(const CycleReport& report) {
  if (!report.devInfo) return false;
  switch (report.devInfo->outcome) {
    case DevInfoOutcome::Stopped:
      return false;
    case DevInfoOutcome::IdentityMismatch:
      DevTimer_.stop();
      view_.showMessage("Str107", {}, [this] {
        DevTimerFirst_.stop();
        DevTimer_.start();
      });
      return false;
    case DevInfoOutcome::NotUsable:
      DevTimer_.stop();
      view_.showMessage("Str020", {}, [this] { DevTimer_.start(); });
      return false;
    case DevInfoOutcome::Accepted:
      break;
  }
  if (!report.read || !report.read->ok) {
    // The mouse took the identity check but not the read: what the window
    // shows stays as it was, and the user is told.
    endCycle(false);
    view_.showMessage("Str109");
    return true;
  }
  view_.stateTakenIn();
  view_.readFinished();
  endCycle(true);
  return true;
}

void CycleController::endCycle(bool uncover) {
  view_.hideLoading();
  restartPoll();
  view_.cover(uncover ? false : coveredBefore_);
}

void CycleController::restartPoll() {
  DevTimerFirst_.stop();
  DevTimer_.start();
}

}  // namespace orva::gui
