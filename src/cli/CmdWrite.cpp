#include <ostream>

#include "cli/Commands.h"
#include "cli/ProgramState.h"

namespace orva::cli {

namespace {

// The single IMAGE argument of apply and write, read over the image.
std::unique_ptr<ProgramState> stateWithImage(CommandContext& ctx, const char* command) {
  if (ctx.options.args.size() != 1 || ctx.options.args[0].starts_with("--")) {
    ctx.err << "orvactl: " << command << " needs exactly one IMAGE file\n";
    return nullptr;
  }
  auto state = loadProgramState(ctx.err);
  if (state && !readImageFile(*state, ctx.options.args[0], ctx.err)) return nullptr;
  return state;
}

void noteRepairs(CommandContext& ctx, const std::vector<Section>& repaired) {
  if (repaired.empty()) return;
  ctx.err << "orvactl: note: " << sectionNames(repaired) << " of the image failed the checks and "
          << "were replaced by their fallback values\n";
}

}  // namespace

// apply IMAGE: the image's settings written as the Apply button writes them
// (bytes 0..254, sections checked and sealed).
int runApply(CommandContext& ctx) {
  const auto state = stateWithImage(ctx, "apply");
  if (!state) return kExitUsage;
  noteRepairs(ctx, state->cycles.TakeInImage(true));
  if (!ctx.session.openMouse(ctx.err)) return kExitFailed;
  switch (state->cycles.DownloadParameter(ctx.session.device())) {
    case ApplyOutcome::Written:
      ctx.out << "applied bytes 0.." << kParameterWriteLength - 1 << "\n";
      return kExitDone;
    case ApplyOutcome::NotReady:
      ctx.err << "orvactl: the mouse is not ready; nothing was written\n";
      return kExitFailed;
    case ApplyOutcome::NoAccess:
      ctx.err << "orvactl: the mouse gives no access to its parameters; nothing was written\n";
      return kExitFailed;
    case ApplyOutcome::DeviceFailed:
      ctx.err << "orvactl: the mouse did not answer the write\n";
      return kExitFailed;
  }
  return kExitFailed;
}

// write IMAGE: the whole image written and verified by reading it back, as
// Load Profile does.
int runWrite(CommandContext& ctx) {
  const auto state = stateWithImage(ctx, "write");
  if (!state) return kExitUsage;
  if (!ctx.session.openMouse(ctx.err)) return kExitFailed;
  const WriteResult result = state->cycles.MemoToDataBuf_OnClick(ctx.session.device());
  noteRepairs(ctx, result.repaired);
  switch (result.outcome) {
    case WriteOutcome::Verified:
      ctx.out << "wrote and verified " << kImageSize << " bytes"
              << (result.repairPasses ? " after " + std::to_string(result.repairPasses) + " repair pass(es)" : "")
              << "\n";
      return kExitDone;
    case WriteOutcome::Fail:
      ctx.err << "orvactl: Fail: " << result.VerifyDiff.size() << " byte(s) still differ after "
              << result.repairPasses << " repair passes, the first at address " << result.VerifyDiff.front() << "\n";
      return kExitFailed;
    case WriteOutcome::Aborted:
      ctx.err << "orvactl: the mouse stopped answering during the write\n";
      return kExitFailed;
    case WriteOutcome::NotReady:
      ctx.err << "orvactl: the mouse is not ready; nothing was written\n";
      return kExitFailed;
    case WriteOutcome::NotUsable:
      ctx.err << "orvactl: the mouse gives no access to its parameters or has an unknown chip; nothing was written\n";
      return kExitFailed;
    case WriteOutcome::DeviceFailed:
      ctx.err << "orvactl: the mouse did not answer\n";
      return kExitFailed;
    case WriteOutcome::FileUnreadable:
      break;  // files were read before
  }
  return kExitFailed;
}

}  // namespace orva::cli
