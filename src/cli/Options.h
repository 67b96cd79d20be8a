#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orva::cli {

struct CliOptions {
  std::optional<std::string> virtualFile;    // --virtual FILE
  std::optional<std::string> virtualFaults;  // --virtual-faults LIST
  bool trace = false;                        // --trace
  std::string command;
  std::vector<std::string> args;
};

struct ParsedOptions {
  std::optional<CliOptions> options;  // absent on a usage error or --help
  std::string error;                  // the usage error, empty for --help
};

ParsedOptions parseOptions(const std::vector<std::string>& argv);
const char* usageText();

}  // namespace orva::cli
