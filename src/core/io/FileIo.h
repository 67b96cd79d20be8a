#pragma once
// Whole-file reads and atomic whole-file writes: a crash or a full disk
// never leaves a half-written file behind.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orva {

// The whole file (or its first `maxBytes`), or nothing with `error` set.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path,
                                                       std::string& error,
                                                       std::size_t maxBytes = SIZE_MAX);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On failure `path` is untouched and `error` says why.
bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                         std::string& error);

}  // namespace orva
