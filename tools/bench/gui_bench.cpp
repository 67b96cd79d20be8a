// Times the desktop program's window, under a real display (Xvfb will do):
//   orva_gui_bench bare|window   start of the process to the first frame painted
//   orva_gui_bench language      language switches, each until the window is painted again
// Start-up is measured from the process's start as the kernel recorded it,
// so loading the program and its libraries counts too.
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include "core/skin/OrgSettings.h"
#include "gui/app/Fonts.h"
#include "gui/app/MainWindow.h"
#include "platform/link/DeviceBackend.h"
#include "platform/virtual/VirtualHidBus.h"

namespace {

// Milliseconds since this process started.
double sinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  for (int i = 3; i <= 22; ++i) fields >> field;  // field 22: start time in clock ticks since boot
  const double startMs = std::stod(field) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return now.tv_sec * 1000.0 + now.tv_nsec / 1e6 - startMs;
}

// Reports once the widget's first frame has been painted and flushed.
class FirstFrame : public QObject {
 public:
  explicit FirstFrame(QWidget* w) { w->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, [] {
        std::printf("first frame after %.1f ms\n", sinceProcessStart());
        QApplication::quit();
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

std::unique_ptr<orva::gui::MainWindow> programWindow() {
  orva::gui::installFontSubstitutions();
  auto bus = std::make_unique<orva::VirtualHidBus>();
  return std::make_unique<orva::gui::MainWindow>(*orva::LoadOrgSettings().settings,
                                                 orva::DeviceBackend::over(std::move(bus)));
}

int languageSwitches(orva::gui::MainWindow& window) {
  window.show();
  // A second's pause, as a user's first click would come.
  QEventLoop idle;
  QTimer::singleShot(1000, &idle, &QEventLoop::quit);
  idle.exec();
  for (int round = 0; round < 3; ++round) {
    for (int language : {2, 3, 1}) {
      QElapsedTimer t;
      t.start();
      window.Btn_LangClick(language);
      window.repaint();
      QApplication::processEvents();
      std::printf("switch to language %d: %.2f ms\n", language, t.nsecsElapsed() / 1e6);
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  QApplication app(argc, argv);
  if (mode == "bare") {
    QWidget w;
    w.resize(1030, 662);
    FirstFrame frame(&w);
    w.show();
    return app.exec();
  }
  if (mode == "window") {
    auto w = programWindow();
    FirstFrame frame(w.get());
    w->show();
    return app.exec();
  }
  if (mode == "language") return languageSwitches(*programWindow());
  std::fprintf(stderr, "usage: orva_gui_bench bare|window|language\n");
  return 2;
}
