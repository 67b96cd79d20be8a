#include "platform/virtual/VirtualMemoryFile.h"

#include <algorithm>
#include <system_error>

#include "core/io/FileIo.h"
#include "core/params/DefaultImages.h"

namespace orva {

VirtualMouse::Memory freshVirtualMemory() { return builtInDefaultImage(1).value(); }

std::optional<VirtualMouse::Memory> loadVirtualMemory(const std::filesystem::path& path,
                                                      std::string& error) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) && !ec) return freshVirtualMemory();
  const auto bytes = readWholeFile(path, error, kImageSize + 1);
  if (!bytes) return std::nullopt;
  if (bytes->size() != static_cast<std::size_t>(kImageSize)) {
    error = path.string() + " is not a mouse memory file: it is not exactly " +
            std::to_string(kImageSize) + " bytes long";
    return std::nullopt;
  }
  VirtualMouse::Memory memory;
  std::ranges::copy(*bytes, memory.begin());
  return memory;
}

bool saveVirtualMemory(const std::filesystem::path& path, const VirtualMouse::Memory& memory,
                       std::string& error) {
  return writeFileAtomically(path, memory, error);
}

}  // namespace orva
