#pragma once
// The options of orva-config. Without any it behaves as a user expects:
// the real mouse, no trace.

#include <QStringList>

#include "platform/link/DeviceBackend.h"

namespace orva::gui {

struct ProgramOptions {
  DeviceBackendOptions device;
  // The language the window starts in. Every start is in language 1 unless
  // asked otherwise; the layouts of languages 1 and 2 offer no button for
  // language 3, so this is the way to it.
  int language = 1;
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
