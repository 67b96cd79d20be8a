#include "gui/device/DeviceWorker.h"

#include <QLoggingCategory>

namespace orva::gui {

Q_LOGGING_CATEGORY(lcDevice, "orva.device")

DeviceWorker::DeviceWorker(std::unique_ptr<DeviceBackend> backend, const AcceptedIdentities& identities)
    : backend_(std::move(backend)),
      identities_(identities),
      presence_(backend_->device(), backend_->clock(), identities_) {
  backend_->device().setChunkProgress([this](int chunk, int count) { emit progress(chunk, count); });
}

DeviceWorker::~DeviceWorker() = default;

void DeviceWorker::startCycle(CycleReport& report) {
  if (report.covered) return;
  report.covered = true;
  emit cycleStarted();
}

void DeviceWorker::run(CycleRequestPtr request) {
  auto report = std::make_shared<CycleReport>();
  report->kind = request->kind;
  report->thenClose = request->thenClose;
  HidDevice& device = backend_->device();
  ParameterCycles& state = request->state;
  switch (request->kind) {
    case CycleKind::Poll:
      poll(*request, *report);
      break;
    case CycleKind::Read:
      report->devInfo = ReadDevInfo(device, identities_);
      if (report->devInfo->outcome == DevInfoOutcome::Accepted) readAccepted(*request, *report);
      break;
    case CycleKind::Apply:
      startCycle(*report);
      report->apply = state.DownloadParameter(device);
      report->stateChanged = true;
      break;
    case CycleKind::Default:
      startCycle(*report);
      report->write = state.TLDefaultParameter(device, request->defaultNumber, request->defaultFile,
                                               report->fileError);
      report->stateChanged = report->write->outcome != WriteOutcome::FileUnreadable;
      break;
    case CycleKind::Save:
      startCycle(*report);
      report->save = SaveProfile(state, device, identities_, request->file);
      report->devInfo = report->save->devInfo;
      report->stateChanged = report->devInfo->outcome == DevInfoOutcome::Accepted;
      break;
    case CycleKind::Load:
      startCycle(*report);
      report->write = LoadProfile(state, device, request->file, report->fileError);
      report->stateChanged = report->write->outcome != WriteOutcome::FileUnreadable;
      break;
  }
  report->mouseOpen = device.isOpen();
  if (report->stateChanged) report->state = std::move(state);
  std::string error;
  if (!backend_->keepVirtualMemory(error)) qCWarning(lcDevice, "%s", error.c_str());
  emit finished(report);
}

void DeviceWorker::poll(CycleRequest& request, CycleReport& report) {
  report.poll = presence_.tick();
  if (report.poll->accessDenied) report.accessPath = backend_->mousePath();
  if (report.poll->devInfo) {
    report.devInfo = report.poll->devInfo;
    if (report.devInfo->outcome == DevInfoOutcome::Accepted) readAccepted(request, report);
  }
}

void DeviceWorker::readAccepted(CycleRequest& request, CycleReport& report) {
  startCycle(report);
  report.read = request.state.readCycle(backend_->device(), /*full=*/false);
  report.stateChanged = report.read->ok;
}

}  // namespace orva::gui
