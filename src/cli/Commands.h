#pragma once

#include <iosfwd>

#include "cli/DeviceSession.h"

namespace orva::cli {

struct CommandContext {
  DeviceSession& session;
  const CliOptions& options;
  std::ostream& out;
  std::ostream& err;
};

int runDevices(CommandContext& ctx);
int runInfo(CommandContext& ctx);

}  // namespace orva::cli
