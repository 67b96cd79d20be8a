#include "gui/app/ProgramOptions.h"

namespace orva::gui {

const char* programUsage() {
  return "usage: orva-config [--virtual-mouse FILE [--virtual-faults LIST]] [--trace] [--language N]\n"
         "  --virtual-mouse FILE   use the virtual mouse whose memory is FILE (made when missing)\n"
         "  --virtual-faults LIST  make it misbehave: noack, status=N, noaccess, chip=N, stuck=ADDR,\n"
         "                         unplug-after=N, nack-every=N (comma list)\n"
         "  --trace                every feature report on stderr\n"
         "  --language N           start in language N: 1 English, 2 Russian, 3 Chinese\n";
}

ParsedProgramOptions parseProgramOptions(const QStringList& arguments) {
  ProgramOptions options;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    const auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= arguments.size()) return std::nullopt;
      return arguments[++i].toStdString();
    };
    if (a == "--trace") {
      options.device.trace = true;
    } else if (a == "--help" || a == "-h") {
      options.help = true;
    } else if (a == "--virtual-mouse" || a == "--virtual-faults") {
      const auto v = value();
      if (!v || v->empty()) return {std::nullopt, a + " needs a value"};
      (a == "--virtual-mouse" ? options.device.virtualFile : options.device.virtualFaults) = *v;
    } else if (a == "--language") {
      const auto v = value();
      if (!v || (*v != "1" && *v != "2" && *v != "3")) return {std::nullopt, "--language needs 1, 2 or 3"};
      options.language = std::stoi(*v);
    } else {
      return {std::nullopt, "unknown option " + a};
    }
  }
  if (options.device.virtualFaults && !options.device.virtualFile) {
    return {std::nullopt, "--virtual-faults needs --virtual-mouse"};
  }
  return {options, {}};
}

}  // namespace orva::gui
