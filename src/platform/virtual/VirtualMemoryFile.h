#pragma once
// The virtual mouse keeps its parameter memory in a file between runs.

#include <filesystem>
#include <optional>
#include <string>

#include "platform/virtual/VirtualMouse.h"

namespace orva {

// What a new virtual mouse holds: the factory image, built-in default image 1.
VirtualMouse::Memory freshVirtualMemory();

// The memory kept in `path`, or a fresh one when the file does not exist.
// A file that cannot be read or is not exactly 2048 bytes is an error.
std::optional<VirtualMouse::Memory> loadVirtualMemory(const std::filesystem::path& path,
                                                      std::string& error);
bool saveVirtualMemory(const std::filesystem::path& path, const VirtualMouse::Memory& memory,
                       std::string& error);

}  // namespace orva
