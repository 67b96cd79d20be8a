#include <cstdio>
#include <ostream>

#include "cli/Commands.h"
#include "core/device/Discovery.h"
#include "core/skin/OrgSettings.h"

namespace orva::cli {

namespace {

// Identity of the built-in default image 1: until the default images are
// embedded, the erased memory's generic identity.
std::array<std::uint8_t, kImageSize> builtInImage1() {
  std::array<std::uint8_t, kImageSize> image;
  image.fill(0xFF);
  return image;
}

const char* yesNo(bool b) { return b ? "yes" : "no"; }

}  // namespace

// The readiness and identity check exactly as the program runs it when the
// mouse appears, then SystemReload and End to close the command sequence.
int runInfo(CommandContext& ctx) {
  if (!ctx.options.args.empty()) {
    ctx.err << "orvactl: info takes no arguments\n";
    return kExitUsage;
  }
  const OrgSettingsResult org = LoadOrgSettings();
  if (!org.settings) {
    ctx.err << "orvactl: settings block: " << org.error << "\n";
    return kExitFailed;
  }
  HidDevice& device = ctx.session.device();
  if (!ctx.session.openMouse(ctx.err)) return kExitFailed;

  const auto ids = AcceptedIdentities::fromImage(builtInImage1(), org.settings->Rev_Manu_ID,
                                                 org.settings->Rev_Pro_ID);
  const DevInfo info = ReadDevInfo(device, ids);
  if (!info.status) {
    ctx.err << "orvactl: the mouse did not answer\n";
    return kExitFailed;
  }
  const bool ready = *info.status == kStatusReady;
  char status[8];
  std::snprintf(status, sizeof status, "0x%02X", *info.status);
  ctx.out << "ready:      " << yesNo(ready) << " (status " << status << ")\n"
          << "access:     " << yesNo(info.ParamAccess) << "\n"
          << "chip code:  " << int(info.chipCode) << " (model " << int(info.ChipModel)
          << (info.ChipModel ? ")" : ", unknown chip)") << "\n";
  if (info.identity) {
    ctx.out << "identity:   " << int((*info.identity)[0]) << " " << int((*info.identity)[1]) << "\n";
  }
  ctx.out << "accepted:   " << yesNo(info.outcome == DevInfoOutcome::Accepted) << "\n";

  switch (info.outcome) {
    case DevInfoOutcome::Accepted:
      // The read cycle would follow here and close the sequence itself.
      device.SendCommand(Command::SystemReload);
      device.SendCommand(Command::End);
      return kExitDone;
    case DevInfoOutcome::IdentityMismatch:
      ctx.err << "orvactl: the mouse manufacturer or product id error\n";
      return kExitFailed;
    case DevInfoOutcome::NotUsable:
      ctx.err << "orvactl: the mouse gives no access to its parameters or has an unknown chip\n";
      return kExitFailed;
    case DevInfoOutcome::Stopped:
      ctx.err << (ready ? "orvactl: the mouse did not answer the identity read\n"
                        : "orvactl: the mouse is not ready\n");
      return kExitFailed;
  }
  return kExitFailed;
}

}  // namespace orva::cli
