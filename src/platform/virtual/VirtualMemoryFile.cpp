#include "platform/virtual/VirtualMemoryFile.h"

#include <algorithm>
#include <system_error>

#include "core/io/FileIo.h"

namespace orva {

VirtualMouse::Memory freshVirtualMemory() {
  VirtualMouse::Memory memory;
  memory.fill(0xFF);
  return memory;
}

std::optional<VirtualMouse::Memory> loadVirtualMemory(const std::filesystem::path& path,
                                                      std::string& error) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) && !ec) return freshVirtualMemory();
  const auto bytes = readWholeFile(path, error);
  if (!bytes) return std::nullopt;
  if (bytes->size() != static_cast<std::size_t>(kImageSize)) {
    error = path.string() + " is not a mouse memory file: it holds " + std::to_string(bytes->size()) +
            " bytes instead of " + std::to_string(kImageSize);
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
