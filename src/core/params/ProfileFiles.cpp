#include "core/params/ProfileFiles.h"

#include <algorithm>

#include "core/io/FileIo.h"

namespace orva {

std::filesystem::path profileFileName(const std::filesystem::path& chosen) {
  return chosen.parent_path() / (chosen.filename().string() + ".bin");
}

SaveResult SaveProfile(ParameterCycles& cycles, HidDevice& device, const AcceptedIdentities& identities,
                       const std::filesystem::path& chosen) {
  SaveResult result;
  result.devInfo = ReadDevInfo(device, identities);
  if (result.devInfo.outcome != DevInfoOutcome::Accepted) return result;
  // A file written from an image that was not read whole would put 0xFF over
  // the mouse's macros when loaded back, so nothing is saved then.
  if (!cycles.readCycle(device, /*full=*/true).ok) return result;
  result.file = profileFileName(chosen);
  if (!writeFileAtomically(result.file, cycles.DataBuf, result.error)) {
    result.outcome = SaveOutcome::FileError;
    return result;
  }
  result.outcome = SaveOutcome::Saved;
  return result;
}

WriteResult LoadProfile(ParameterCycles& cycles, HidDevice& device, const std::filesystem::path& file,
                        std::string& error) {
  const auto bytes = readWholeFile(file, error, kImageSize);
  if (!bytes) {
    WriteResult result;
    result.outcome = WriteOutcome::FileUnreadable;
    return result;
  }
  std::copy_n(bytes->begin(), std::min<std::size_t>(bytes->size(), kImageSize), cycles.DataBuf.begin());
  cycles.FireDirectoryLoaded = true;
  return cycles.MemoToDataBuf_OnClick(device);
}

}  // namespace orva
