#pragma once
// The main window over a virtual HID bus: with the virtual mouse plugged in
// or not, misbehaving on request, and the message boxes it shows.

#include <memory>

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include "core/params/DefaultImages.h"
#include "core/skin/OrgSettings.h"
#include "gui/app/MainWindow.h"
#include "platform/virtual/VirtualHidBus.h"
#include "platform/virtual/VirtualMouse.h"

namespace orva::gui::test {

inline OrgSettings shippedSettings() { return *LoadOrgSettings().settings; }

struct WindowRig {
  explicit WindowRig(bool plugged, OrgSettings org = shippedSettings(), VirtualFaults faults = {},
                     std::optional<VirtualMouse::Memory> memory = std::nullopt) {
    mouse = std::make_shared<VirtualMouse>(memory ? *memory : *builtInDefaultImage(1));
    mouse->setFaults(faults);
    auto owned = std::make_unique<VirtualHidBus>();
    bus = owned.get();
    if (plugged) owned->plug(VirtualHidBus::mouseInterface(), mouse);
    window = std::make_unique<MainWindow>(org, DeviceBackend::over(std::move(owned)));
    window->show();
  }
  ~WindowRig() { closeMessages(); }

  // Runs cycles until one of `kind` has been handled.
  bool waitFor(CycleKind kind, int timeoutMs = 15000) {
    QSignalSpy spy(&window->controller(), &CycleController::cycleFinished);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
      for (const auto& args : spy) {
        if (args.at(0).value<CycleKind>() == kind) return true;
      }
      spy.wait(100);
    }
    return false;
  }
  bool firstPoll() {
    window->startPolling();
    return waitFor(CycleKind::Poll);
  }

  static QList<QMessageBox*> messages() {
    QList<QMessageBox*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) shown.push_back(box);
    }
    return shown;
  }
  static QStringList messageTexts() {
    QStringList texts;
    for (QMessageBox* box : messages()) texts << box->text();
    return texts;
  }
  static void closeMessages() {
    for (QMessageBox* box : messages()) box->accept();
    QApplication::processEvents();
  }

  std::shared_ptr<VirtualMouse> mouse;
  // Owned by the device thread; touch it only while no cycle runs.
  VirtualHidBus* bus = nullptr;
  std::unique_ptr<MainWindow> window;
};

}  // namespace orva::gui::test
