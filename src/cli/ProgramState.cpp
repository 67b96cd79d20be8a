#include "cli/ProgramState.h"

#include <algorithm>
#include <ostream>

#include "core/io/FileIo.h"

namespace orva::cli {

std::unique_ptr<ProgramState> loadProgramState(std::ostream& err) {
  auto state = std::make_unique<ProgramState>();
  const OrgSettingsResult org = LoadOrgSettings();
  if (!org.settings) {
    err << "orvactl: " << org.error << "\n";
    return nullptr;
  }
  state->org = *org.settings;
  if (!state->cycles.InitNoDevice()) {
    err << "orvactl: the built-in default images are missing\n";
    return nullptr;
  }
  state->identities = AcceptedIdentities::fromImage(*state->cycles.defaultImages[0], state->org.Rev_Manu_ID,
                                                    state->org.Rev_Pro_ID);
  return state;
}

bool readImageFile(ProgramState& state, const std::string& file, std::ostream& err) {
  std::string error;
  const auto bytes = readWholeFile(file, error, kImageSize);
  if (!bytes) {
    err << "orvactl: " << error << "\n";
    return false;
  }
  std::ranges::copy(*bytes, state.cycles.DataBuf.begin());
  return true;
}

void explainDevInfo(const DevInfo& info, std::ostream& err) {
  switch (info.outcome) {
    case DevInfoOutcome::Accepted:
      return;
    case DevInfoOutcome::IdentityMismatch:
      err << "orvactl: the mouse manufacturer or product id error\n";
      return;
    case DevInfoOutcome::NotUsable:
      err << "orvactl: the mouse gives no access to its parameters or has an unknown chip\n";
      return;
    case DevInfoOutcome::Stopped:
      if (!info.status) {
        err << "orvactl: the mouse did not answer\n";
      } else if (*info.status != kStatusReady) {
        err << "orvactl: the mouse is not ready\n";
      } else {
        err << "orvactl: the mouse did not answer the identity read\n";
      }
      return;
  }
}

std::string sectionNames(const std::vector<Section>& sections) {
  std::string names;
  for (Section s : sections) names += (names.empty() ? "" : ", ") + std::string(sectionPlace(s).name);
  return names;
}

std::optional<ReadResult> readAcceptedMouse(HidDevice& device, ProgramState& state, bool full, std::ostream& err) {
  const DevInfo info = ReadDevInfo(device, state.identities);
  explainDevInfo(info, err);
  if (info.outcome != DevInfoOutcome::Accepted) return std::nullopt;
  ReadResult read = state.cycles.readCycle(device, full);
  if (!read.ok) {
    err << "orvactl: the mouse did not answer the read\n";
    return std::nullopt;
  }
  return read;
}

}  // namespace orva::cli
