#include "cli/Options.h"

namespace orva::cli {

const char* usageText() {
  return "usage: orvactl [--virtual FILE [--virtual-faults LIST]] [--trace] COMMAND\n"
         "\n"
         "commands:\n"
         "  devices                list the mouse's HID interfaces: path, vendor:product, release, feature length\n"
         "  info                   readiness, parameter access, chip code, identity bytes, accepted or not\n"
         "  read [--full] OUT      identity check, then read 255 (or all 2048) bytes; OUT is a 2048-byte image\n"
         "  apply IMAGE            parameter write of IMAGE's bytes 0..254, as the Apply button writes them\n"
         "  write IMAGE            whole-image write with read-back verification, as Load Profile does\n"
         "  show [--json] [IMAGE]  the settings of IMAGE (or of the mouse, or of default image 1)\n"
         "  macros [--library FILE] list | show N | new NAME | rename N NAME | delete N |\n"
         "         export N OUT | import IN | export-all OUT | import-all IN\n"
         "                         the PC macro library (Macro.bin in the program's data folder)\n"
         "\n"
         "options:\n"
         "  --virtual FILE          use the virtual mouse whose memory is kept in FILE\n"
         "                          (created when missing, saved when the command ends)\n"
         "  --virtual-faults LIST   comma list: noack, status=N, noaccess, chip=N, stuck=ADDR,\n"
         "                          unplug-after=N, nack-every=N\n"
         "  --trace                 print every feature report on stderr\n"
         "\n"
         "exit status: 0 done, 1 the device or the operation failed, 2 bad usage or input\n";
}

ParsedOptions parseOptions(const std::vector<std::string>& argv) {
  CliOptions o;
  std::size_t i = 0;
  auto needValue = [&](std::optional<std::string>& target) {
    if (i + 1 >= argv.size()) return false;
    target = argv[++i];
    return true;
  };
  for (; i < argv.size(); ++i) {
    const std::string& a = argv[i];
    if (a == "--help" || a == "-h") return {};
    if (a == "--trace") {
      o.trace = true;
    } else if (a == "--virtual") {
      if (!needValue(o.virtualFile)) return {std::nullopt, "--virtual needs a FILE"};
    } else if (a == "--virtual-faults") {
      if (!needValue(o.virtualFaults)) return {std::nullopt, "--virtual-faults needs a LIST"};
    } else if (a.starts_with("--")) {
      return {std::nullopt, "unknown option " + a};
    } else {
      o.command = a;
      o.args.assign(argv.begin() + static_cast<long>(i) + 1, argv.end());
      break;
    }
  }
  if (o.command.empty()) return {std::nullopt, "no command given"};
  if (o.virtualFaults && !o.virtualFile) return {std::nullopt, "--virtual-faults needs --virtual FILE"};
  return {o, {}};
}

}  // namespace orva::cli
