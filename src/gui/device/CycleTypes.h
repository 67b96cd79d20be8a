#pragma once
// What the window asks of the device thread and what comes back. A request
// carries a copy of the program's state; the report carries the state after
// the cycle, so the two threads never share it.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <QMetaType>

#include "core/device/Discovery.h"
#include "core/params/ParameterCycles.h"
#include "core/params/ProfileFiles.h"

namespace orva::gui {

enum class CycleKind {
  Poll,     // one presence-poll tick; reads the mouse when it appears
  Read,     // Read button: readiness and identity check, then a parameters-only read
  Apply,    // Apply and Confirm
  Default,  // one of the three default buttons
  Save,     // Save Profile: full read, then the file
  Load,     // Load Profile: the file, written whole to the mouse
};

struct CycleRequest {
  CycleKind kind = CycleKind::Poll;
  ParameterCycles state;
  bool thenClose = false;         // Apply from Confirm: the window closes after it
  int defaultNumber = 0;          // Default: 1..3
  std::string defaultFile;        // Default: where the default file would be
  std::filesystem::path file;     // Save: the name chosen; Load: the file
};

struct CycleReport {
  CycleKind kind = CycleKind::Poll;
  ParameterCycles state;          // the state after the cycle
  bool stateChanged = false;      // false: `state` is the request's, untouched
  bool mouseOpen = false;         // a mouse is open after the cycle
  bool covered = false;           // the cycle covered the window (cycleStarted was sent)
  bool thenClose = false;         // as requested
  std::optional<PollResult> poll;
  std::optional<DevInfo> devInfo;  // the readiness and identity check, when one ran
  std::optional<ReadResult> read;
  std::optional<ApplyOutcome> apply;
  std::optional<WriteResult> write;
  std::optional<SaveResult> save;
  std::string fileError;          // a default or profile file that could not be read
  std::string accessPath;         // the mouse's path when it could not be opened for lack of permission
};

using CycleRequestPtr = std::shared_ptr<CycleRequest>;
using CycleReportPtr = std::shared_ptr<CycleReport>;

}  // namespace orva::gui

Q_DECLARE_METATYPE(orva::gui::CycleRequestPtr)
Q_DECLARE_METATYPE(orva::gui::CycleReportPtr)
Q_DECLARE_METATYPE(orva::gui::CycleKind)
