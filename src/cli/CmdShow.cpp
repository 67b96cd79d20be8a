#include <ostream>

#include "cli/Commands.h"
#include "cli/ProgramState.h"
#include "cli/SettingsReport.h"
#include "core/fire/GunKeyScriptStore.h"
#include "core/skin/Languages.h"
#include "platform/AppFolder.h"

namespace orva::cli {

// show [--json] [IMAGE]: the settings of IMAGE, else of the mouse (when one
// is connected or --virtual is given), else of default image 1 — each after
// the section checks, buttons named in English.
int runShow(CommandContext& ctx) {
  bool json = false;
  std::string image;
  for (const std::string& a : ctx.options.args) {
    if (a == "--json") {
      json = true;
    } else if (image.empty() && !a.starts_with("--")) {
      image = a;
    } else {
      ctx.err << "orvactl: show: unexpected argument " << a << "\n";
      return kExitUsage;
    }
  }
  const auto state = loadProgramState(ctx.err);
  if (!state) return kExitFailed;
  ParameterCycles& cycles = state->cycles;

  std::vector<Section> repaired;
  if (!image.empty()) {
    if (!readImageFile(*state, image, ctx.err)) return kExitUsage;
    repaired = cycles.TakeInImage(true);
  } else {
    switch (ctx.session.findMouse()) {
      case OpenResult::NotFound:
        repaired = cycles.TakeInImage(true);  // default image 1, shown since start-up
        break;
      case OpenResult::AccessDenied:
        ctx.session.explainAccessDenied(ctx.err);
        return kExitFailed;
      case OpenResult::Opened: {
        // A full read, so that the macro slots can be shown too.
        const auto read = readAcceptedMouse(ctx.session.device(), *state, /*full=*/true, ctx.err);
        if (!read) return kExitFailed;
        repaired = read->repaired;
        break;
      }
    }
  }
  KeyNaming naming;
  naming.text = languageTable(1).lookup();
  std::string scriptsError;
  const auto scripts = fire::GunKeyScriptStore::load(AppFolder() + std::string(fire::kGunKeyScriptsFileName), scriptsError);
  naming.FireScriptsPresent = scripts.FireScriptsPresent();
  naming.gunKeyScripts = scripts.scripts();
  if (json) {
    printSettingsJson(ctx.out, cycles, repaired, std::move(naming));
  } else {
    printSettingsText(ctx.out, cycles, repaired, std::move(naming));
  }
  return kExitDone;
}

}  // namespace orva::cli
