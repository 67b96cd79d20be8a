#include <ostream>

#include "cli/Commands.h"
#include "cli/ProgramState.h"
#include "core/io/FileIo.h"

namespace orva::cli {

// read [--full] OUT: the identity check, then the read cycle of 255 (or all
// 2048) bytes; OUT receives the 2048-byte image as the program then holds it.
int runRead(CommandContext& ctx) {
  bool full = false;
  std::string out;
  for (const std::string& a : ctx.options.args) {
    if (a == "--full") {
      full = true;
    } else if (out.empty() && !a.starts_with("--")) {
      out = a;
    } else {
      ctx.err << "orvactl: read: unexpected argument " << a << "\n";
      return kExitUsage;
    }
  }
  if (out.empty()) {
    ctx.err << "orvactl: read needs an OUT file\n";
    return kExitUsage;
  }
  const auto state = loadProgramState(ctx.err);
  if (!state) return kExitFailed;
  if (!ctx.session.openMouse(ctx.err)) return kExitFailed;
  const auto read = readAcceptedMouse(ctx.session.device(), *state, full, ctx.err);
  if (!read) return kExitFailed;
  std::string error;
  if (!writeFileAtomically(out, state->cycles.DataBuf, error)) {
    ctx.err << "orvactl: " << error << "\n";
    return kExitFailed;
  }
  ctx.out << "read " << (full ? kImageSize : kParameterWriteLength) << " bytes into " << out << "\n";
  if (!read->repaired.empty()) {
    ctx.err << "orvactl: note: the mouse's " << sectionNames(read->repaired)
            << " failed the checks; the file holds the bytes as read\n";
  }
  return kExitDone;
}

}  // namespace orva::cli
