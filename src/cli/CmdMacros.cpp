#include <charconv>
#include <ostream>

#include "cli/Commands.h"
#include "core/macros/KeyTableNames.h"
#include "core/macros/MacroLibrary.h"
#include "core/skin/OrgSettings.h"
#include "platform/AppFolder.h"

namespace orva::cli {

namespace {

const char* kMacrosUsage =
    "usage: orvactl macros [--library FILE] list | show N | new NAME | rename N NAME | delete N |\n"
    "                      export N OUT | import IN | export-all OUT | import-all IN\n";

std::string describe(const MacroLibraryResult& r) {
  switch (r.status) {
    case MacroLibraryStatus::Done: return "done";
    case MacroLibraryStatus::NothingSelected: return "there is no macro with that number";
    case MacroLibraryStatus::LibraryFull: return "the library is full";
    case MacroLibraryStatus::AlreadyExists: return "This macro already exists";
    case MacroLibraryStatus::InvalidName: return "a name has 1 to 16 characters";
    case MacroLibraryStatus::NotAMacro: return "the file holds no named macro";
    case MacroLibraryStatus::NotLoaded: return "the library file could not be read, so it is left alone: " + r.fileError;
    case MacroLibraryStatus::ReadFailed: return r.fileError;
    case MacroLibraryStatus::WriteFailed: return r.fileError + " (the library is unchanged)";
  }
  return "failed";
}

// N as the user counts (1-based) → record index.
std::optional<int> macroNumber(const std::string& text) {
  int n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc() || end != text.data() + text.size() || n < 1) return std::nullopt;
  return n - 1;
}

std::string repetitionText(const MacroOptions& o) {
  switch (o.repetition) {
    case Repetition::Once: return "once";
    case Repetition::Endless: return "until stopped";
    case Repetition::Times: return std::to_string(o.repeatCount) + " times";
  }
  return "once";
}

int showMacro(CommandContext& ctx, const MacroLibrary& library, int index) {
  const MacroRecord& record = library.record(index);
  ctx.out << "name:      " << library.names()[index] << "\n";
  const auto decoded = DecodeMacro(record.data, keyTableMacroNames());
  if (!decoded) {
    ctx.out << "events:    none\n";
    return kExitDone;
  }
  ctx.out << "stop mode: " << (decoded->options.stopMode == StopMode::StopOnRelease ? "when released" : "at the end")
          << "\nrepeat:    " << repetitionText(decoded->options) << "\n";
  for (const std::string& line : decoded->lines) ctx.out << line << "\n";
  return kExitDone;
}

}  // namespace

// The PC macro library ("Macro.bin" in the program's data folder unless
// --library names another file).
int runMacros(CommandContext& ctx) {
  std::vector<std::string> args = ctx.options.args;
  std::string file;
  if (args.size() >= 2 && args[0] == "--library") {
    file = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) {
    ctx.err << kMacrosUsage;
    return kExitUsage;
  }
  if (file.empty()) {
    const OrgSettingsResult org = LoadOrgSettings();
    if (!org.settings) {
      ctx.err << "orvactl: " << org.error << "\n";
      return kExitFailed;
    }
    file = dataFilePath(*org.settings, AppFolder(), kMacroLibraryFileName);
  }

  MacroLibrary library(file);
  if (const MacroLibraryResult loaded = library.CheckPCMacro(); !loaded.ok()) {
    ctx.err << "orvactl: " << file << ": " << describe(loaded) << "\n";
    return kExitFailed;
  }

  const std::string& sub = args[0];
  const auto argCount = [&](std::size_t n) { return args.size() == n + 1; };
  const auto number = [&](std::size_t i) { return macroNumber(args[i]); };
  MacroLibraryResult result;
  if (sub == "list" && argCount(0)) {
    const auto names = library.names();
    for (std::size_t i = 0; i < names.size(); ++i) ctx.out << i + 1 << "  " << names[i] << "\n";
    return kExitDone;
  } else if (sub == "show" && argCount(1) && number(1)) {
    if (*number(1) >= library.size()) {
      ctx.err << "orvactl: there is no macro " << args[1] << "\n";
      return kExitUsage;
    }
    return showMacro(ctx, library, *number(1));
  } else if (sub == "new" && argCount(1)) {
    result = library.newMacro(args[1]);
  } else if (sub == "rename" && argCount(2) && number(1)) {
    result = library.rename(*number(1), args[2]);
  } else if (sub == "delete" && argCount(1) && number(1)) {
    result = library.remove(*number(1));
  } else if (sub == "export" && argCount(2) && number(1)) {
    result = library.exportOne(*number(1), args[2]);
  } else if (sub == "import" && argCount(1)) {
    result = library.importOne(args[1]);
  } else if (sub == "export-all" && argCount(1)) {
    result = library.exportAll(args[1]);
  } else if (sub == "import-all" && argCount(1)) {
    result = library.importAll(args[1]);
  } else {
    ctx.err << kMacrosUsage;
    return kExitUsage;
  }
  if (!result.ok()) {
    ctx.err << "orvactl: " << describe(result) << "\n";
    return result.status == MacroLibraryStatus::NothingSelected ? kExitUsage : kExitFailed;
  }
  return kExitDone;
}

}  // namespace orva::cli
