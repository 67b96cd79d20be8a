#include <cstdio>
#include <ostream>

#include "cli/Commands.h"
#include "cli/ProgramState.h"

namespace orva::cli {

namespace {

const char* yesNo(bool b) { return b ? "yes" : "no"; }

}  // namespace

// The readiness and identity check exactly as the program runs it when the
// mouse appears, then SystemReload and End to close the command sequence.
int runInfo(CommandContext& ctx) {
  if (!ctx.options.args.empty()) {
    ctx.err << "orvactl: info takes no arguments\n";
    return kExitUsage;
  }
  const auto state = loadProgramState(ctx.err);
  if (!state) return kExitFailed;
  HidDevice& device = ctx.session.device();
  if (!ctx.session.openMouse(ctx.err)) return kExitFailed;

  const DevInfo info = ReadDevInfo(device, state->identities);
  if (info.status) {
    char status[8];
    std::snprintf(status, sizeof status, "0x%02X", *info.status);
    ctx.out << "ready:      " << yesNo(*info.status == kStatusReady) << " (status " << status << ")\n"
            << "access:     " << yesNo(info.ParamAccess) << "\n"
            << "chip code:  " << int(info.chipCode) << " (model " << int(info.ChipModel)
            << (info.ChipModel ? ")" : ", unknown chip)") << "\n";
    if (info.identity) {
      ctx.out << "identity:   " << int((*info.identity)[0]) << " " << int((*info.identity)[1]) << "\n";
    }
    ctx.out << "accepted:   " << yesNo(info.outcome == DevInfoOutcome::Accepted) << "\n";
  }
  explainDevInfo(info, ctx.err);
  if (info.outcome != DevInfoOutcome::Accepted) return kExitFailed;
  // The read cycle would follow here and close the sequence itself.
  device.SendCommand(Command::SystemReload);
  device.SendCommand(Command::End);
  return kExitDone;
}

}  // namespace orva::cli
