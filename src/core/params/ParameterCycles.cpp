#include "core/params/ParameterCycles.h"

#include <algorithm>

#include "core/io/FileIo.h"
#include "core/keys/AimKeyRewrite.h"
#include "core/params/Checksum.h"
#include "core/params/ParamCodec.h"
#include "core/params/SectionChecks.h"

namespace orva {

namespace {

constexpr int kRepairPasses = 3;

std::vector<int> differences(const Image& wanted, const Image& found) {
  std::vector<int> diff;
  for (int a = 0; a < kImageSize; ++a) {
    if (wanted[a] != found[a]) diff.push_back(a);
  }
  return diff;
}

void closeSequence(HidDevice& device) {
  device.SendCommand(Command::SystemReload);
  device.SendCommand(Command::End);
}

}  // namespace

bool ParameterCycles::InitNoDevice() {
  for (int n = 1; n <= kDefaultImageCount; ++n) defaultImages[n - 1] = builtInDefaultImage(n);
  if (!std::ranges::all_of(defaultImages, [](const auto& image) { return image.has_value(); })) return false;
  DataBuf = *defaultImages[0];
  TakeInImage(true);
  return true;
}

std::vector<Section> ParameterCycles::TakeInImage(bool withMacroAndFireAreas, bool heldByMouse) {
  sections.takeFrom(DataBuf);
  std::vector<Section> repaired = checkSections(sections);
  if (withMacroAndFireAreas) {
    std::copy_n(DataBuf.begin() + kMacroAreaLow.offset, kMacroAreaLow.length, macroBufferLow.begin());
    std::copy_n(DataBuf.begin() + kMacroAreaHigh.offset, kMacroAreaHigh.length, macroBufferHigh.begin());
    std::copy_n(DataBuf.begin() + kFireMacroDirectory.offset, kFireMacroDirectory.length,
                fireMacroDirectory.begin());
    takeInFireDirectory();
    macroSlots.ReadAndRefreshMacro(macroBufferLow, macroBufferHigh, heldByMouse);
  }
  DataBufToUI(sections, model, ProfileCodes1, ProfileCodes2);
  if (const auto aim = RefreshAIMKey(ProfileCodes1, ProfileCodes2)) AimValue = *aim;
  return repaired;
}

void ParameterCycles::takeInFireDirectory() {
  for (int i = 0; i < kFireMacroCount; ++i) {
    std::copy_n(fireMacroDirectory.begin() + i * kFireMacroBlockSize, kFireMacroBlockSize,
                fireMacroBlocks[i].begin());
  }
}

ReadResult ParameterCycles::readCycle(HidDevice& device, bool full) {
  ReadResult result;
  // Read into a scratch image so that a failed block command leaves the
  // image and the model as they were instead of showing 0xFF fallbacks.
  Image read;
  if (device.ReadBlock(0, static_cast<std::uint16_t>(full ? kImageSize : kParameterWriteLength), read)) {
    DataBuf = read;  // a parameters-only read leaves 255..2047 at 0xFF
    result.repaired = TakeInImage(full, /*heldByMouse=*/full);
    result.ok = true;
  }
  closeSequence(device);
  return result;
}

std::optional<FeatureReport> ParameterCycles::beginWithStatus(HidDevice& device) {
  if (!device.SendCommand(Command::Begin) || !device.SendCommand(Command::Status)) return std::nullopt;
  return device.response();
}

ApplyOutcome ParameterCycles::DownloadParameter(HidDevice& device) {
  UIToDataBuf(model, sections);
  sealChecksum(sections.section(Section::ParameterA));
  sections.copyTo(DataBuf, Section::ParameterA);
  sections.copyTo(DataBuf, Section::ParameterB);
  AIMKeyToDataBuf(sections, ProfileCodes1, ProfileCodes2,
                  AimKeyInputs{AimValue, /*EepromMode=*/true, model.cb_IsFireContinue});
  sealChecksum(sections.section(Section::Profile));
  for (Section s : {Section::Profile, Section::FireMacroKeys, Section::YOffsets, Section::FireMacroColors}) {
    sections.copyTo(DataBuf, s);
  }
  sealChecksum(sections.section(Section::FireKey));
  sections.copyTo(DataBuf, Section::FireKey);
  std::ranges::copy(macroBufferLow, DataBuf.begin() + kMacroAreaLow.offset);
  std::ranges::copy(macroBufferHigh, DataBuf.begin() + kMacroAreaHigh.offset);
  std::ranges::copy(fireMacroDirectory, DataBuf.begin() + kFireMacroDirectory.offset);

  const auto status = beginWithStatus(device);
  if (!status) return ApplyOutcome::DeviceFailed;
  if ((*status)[1] != kStatusReady) return ApplyOutcome::NotReady;
  if (!((*status)[2] & kStatusParamAccess)) {
    closeSequence(device);
    return ApplyOutcome::NoAccess;
  }
  bool written = device.WriteBlock(0, kParameterWriteLength, DataBuf);
  if (written && FireDirectoryLoaded) {
    written = device.WriteBlock(kFireMacroDirectory.offset, kFireMacroDirectory.length,
                                std::span(DataBuf).subspan(kFireMacroDirectory.offset));
  }
  if (written) written = macroSlots.writeReferencedMacroSlots(device, ProfileCodes1, ProfileCodes2);
  closeSequence(device);
  return written ? ApplyOutcome::Written : ApplyOutcome::DeviceFailed;
}

WriteResult ParameterCycles::TLDefaultParameter(HidDevice& device, int n, const std::string& defaultFile,
                                                std::string& fileError) {
  std::error_code ec;
  if (std::filesystem::exists(defaultFile, ec)) {
    const auto bytes = readWholeFile(defaultFile, fileError, kImageSize);
    if (!bytes) {
      WriteResult result;
      result.outcome = WriteOutcome::FileUnreadable;
      return result;
    }
    std::copy_n(bytes->begin(), std::min<std::size_t>(bytes->size(), kImageSize), DataBuf.begin());
  } else if (n >= 1 && n <= kDefaultImageCount && defaultImages[n - 1]) {
    // Without a file each default button takes its own built-in image.
    DataBuf = *defaultImages[n - 1];
  }
  for (auto& code : ProfileCodes1) code.clear();
  for (auto& code : ProfileCodes2) code.clear();
  WriteResult result = MemoToDataBuf_OnClick(device);
  FireDirectoryLoaded = true;
  return result;
}

WriteResult ParameterCycles::MemoToDataBuf_OnClick(HidDevice& device) {
  const std::vector<Section> repaired = TakeInImage(true);
  WriteResult result;
  const auto status = beginWithStatus(device);
  if (!status) {
    result.outcome = WriteOutcome::DeviceFailed;
  } else if ((*status)[1] != kStatusReady) {
    result.outcome = WriteOutcome::NotReady;
  } else {
    const bool access = ((*status)[2] & kStatusParamAccess) != 0;
    if (access && chipModelFromCode((*status)[3]) != 0) {
      result = WriteWholeImage(device);
      if (result.outcome == WriteOutcome::Verified) {
        macroSlots.ReadAndRefreshMacro(macroBufferLow, macroBufferHigh, /*heldByMouse=*/true);
      }
    } else {
      result.outcome = WriteOutcome::NotUsable;
    }
    closeSequence(device);
  }
  result.repaired = repaired;
  return result;
}

WriteResult ParameterCycles::WriteWholeImage(HidDevice& device) {
  WriteResult result;
  result.outcome = WriteOutcome::Aborted;
  Image readBack;
  if (!device.WriteBlock(0, kImageSize, DataBuf)) return result;
  if (!device.ReadBlock(0, kImageSize, readBack)) return result;
  result.VerifyDiff = differences(DataBuf, readBack);
  while (!result.VerifyDiff.empty() && result.repairPasses < kRepairPasses) {
    ++result.repairPasses;
    for (int a : result.VerifyDiff) {
      if (!device.WriteBlock(static_cast<std::uint16_t>(a), 1, std::span(DataBuf).subspan(a, 1))) return result;
    }
    if (!device.ReadBlock(0, kImageSize, readBack)) return result;
    result.VerifyDiff = differences(DataBuf, readBack);
  }
  result.outcome = result.VerifyDiff.empty() ? WriteOutcome::Verified : WriteOutcome::Fail;
  return result;
}

FireDirectoryOutcome ParameterCycles::RefreshFireDirectory(HidDevice& device,
                                                           const AcceptedIdentities& identities) {
  const DevInfo info = ReadDevInfo(device, identities);
  switch (info.outcome) {
    case DevInfoOutcome::IdentityMismatch: return FireDirectoryOutcome::IdentityMismatch;
    case DevInfoOutcome::NotUsable: return FireDirectoryOutcome::NotUsable;
    case DevInfoOutcome::Stopped:
      closeSequence(device);
      return FireDirectoryOutcome::Stopped;
    case DevInfoOutcome::Accepted: break;
  }
  std::array<std::uint8_t, kFireMacroDirectory.length> directory;
  const bool read = device.ReadBlock(kFireMacroDirectory.offset, kFireMacroDirectory.length, directory);
  closeSequence(device);
  if (!read) return FireDirectoryOutcome::ReadFailed;
  fireMacroDirectory = directory;
  takeInFireDirectory();
  return FireDirectoryOutcome::Read;
}

}  // namespace orva
