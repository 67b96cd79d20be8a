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
int runRead(CommandContext& ctx);
int runApply(CommandContext& ctx);
int runWrite(CommandContext& ctx);
int runShow(CommandContext& ctx);
int runMacros(CommandContext& ctx);

}  // namespace orva::cli
