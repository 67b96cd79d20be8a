// orva-config: the configuration program of the ORVA310B mouse.
#include <cstdio>

#include <QApplication>
#include <QMessageBox>

#include "core/skin/Languages.h"
#include "core/skin/OrgSettings.h"
#include "gui/app/Fonts.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramOptions.h"
#include "gui/app/SingleInstance.h"

int main(int argc, char** argv) {
  using namespace orva;
  using namespace orva::gui;
  QApplication app(argc, argv);
  QApplication::setApplicationName("orva-config");
  QApplication::setQuitOnLastWindowClosed(true);

  const ParsedProgramOptions parsed = parseProgramOptions(QApplication::arguments().mid(1));
  if (!parsed.options) {
    std::fprintf(stderr, "orva-config: %s\n%s", qPrintable(parsed.error), programUsage());
    return 2;
  }
  if (parsed.options->help) {
    std::fputs(programUsage(), stdout);
    return 0;
  }

  // A second start brings the running window to the front and ends.
  SingleInstance instance;
  if (!instance.becomePrimary()) return 0;

  installFontSubstitutions();
  const OrgSettingsResult org = LoadOrgSettings();
  if (!org) {
    QMessageBox::critical(nullptr, kWindowCaption, QString::fromStdString(org.error));
    return 1;
  }
  std::string error;
  auto backend = DeviceBackend::create(parsed.options->device, error);
  if (!backend) {
    std::fprintf(stderr, "orva-config: %s\n", error.c_str());
    return 2;
  }

  MainWindow window(*org.settings, std::move(backend));
  QObject::connect(&instance, &SingleInstance::activationRequested, &window, [&window] { bringToFront(&window); });
  if (parsed.options->language != kFirstLanguage) window.Btn_LangClick(parsed.options->language);
  window.show();
  window.startPolling();
  return app.exec();
}
