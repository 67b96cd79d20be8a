#include <cstdio>
#include <ostream>

#include "cli/Commands.h"
#include "core/device/Discovery.h"

namespace orva::cli {

// Lists every interface with the mouse's vendor and product IDs, also those
// the program would not accept (another release or feature length), so that
// a user can see why a mouse is not taken.
int runDevices(CommandContext& ctx) {
  if (!ctx.options.args.empty()) {
    ctx.err << "orvactl: devices takes no arguments\n";
    return kExitUsage;
  }
  int found = 0;
  for (const HidInterfaceInfo& info : ctx.session.transport().enumerate()) {
    if (info.vendorId != kMouseCandidate.vendorId || info.productId != kMouseCandidate.productId) continue;
    const bool usable = info.release == kExpectedRelease && info.featureReportLength == kFeatureReportLength;
    char line[64];
    std::snprintf(line, sizeof line, "%04x:%04x  release %04x  feature %d", info.vendorId,
                  info.productId, info.release, info.featureReportLength);
    ctx.out << info.path << "  " << line << (usable ? "" : "  (not usable)") << "\n";
    ++found;
  }
  if (found == 0) {
    ctx.err << "orvactl: no device: no HID interface of the mouse is present\n";
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace orva::cli
