// orvactl: the command-line companion of orva-config.
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/DeviceSession.h"
#include "cli/Options.h"

using namespace orva::cli;

int main(int argc, char** argv) {
  const ParsedOptions parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.options) {
    if (parsed.error.empty()) {
      std::cout << usageText();
      return kExitDone;
    }
    std::cerr << "orvactl: " << parsed.error << "\n" << usageText();
    return kExitUsage;
  }
  const CliOptions& options = *parsed.options;

  static const std::map<std::string, int (*)(CommandContext&)> commands = {
      {"devices", runDevices},
      {"info", runInfo},
      {"read", runRead},
      {"apply", runApply},
      {"write", runWrite},
      {"show", runShow},
      {"macros", runMacros},
  };
  const auto command = commands.find(options.command);
  if (command == commands.end()) {
    std::cerr << "orvactl: unknown command '" << options.command << "'\n" << usageText();
    return kExitUsage;
  }

  int exitCode = kExitDone;
  auto session = DeviceSession::create(options, std::cerr, exitCode);
  if (!session) return exitCode;
  CommandContext ctx{*session, options, std::cout, std::cerr};
  exitCode = command->second(ctx);
  if (!session->finish(std::cerr) && exitCode == kExitDone) exitCode = kExitFailed;
  return exitCode;
}
