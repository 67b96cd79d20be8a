#pragma once
// The options of orva-config. Without any it behaves as a user expects:
// the real mouse, no trace.

#include <QStringList>

#include "platform/link/DeviceBackend.h"

namespace orva::gui {

struct ProgramOptions {
  DeviceBackendOptions device;
  bool help = false;
};

struct ParsedProgramOptions {
  std::optional<ProgramOptions> options;  // absent on a usage error
  QString error;
};

// `arguments` without the program name.
ParsedProgramOptions parseProgramOptions(const QStringList& arguments);
const char* programUsage();

}  // namespace orva::gui
