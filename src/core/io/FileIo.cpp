#include "core/io/FileIo.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <system_error>

namespace orva {

namespace {

// A temporary name beside the target that no other writer in this or
// another process picks at the same moment.
std::filesystem::path temporaryBeside(const std::filesystem::path& path) {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  return path.string() + ".tmp-" + std::to_string(stamp) + "-" + std::to_string(counter++);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path,
                                                       std::string& error, std::size_t maxBytes) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = path.string() + " is a folder, not a file";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path.string();
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes;
  char buffer[4096];
  while (bytes.size() < maxBytes && in) {
    in.read(buffer, static_cast<std::streamsize>(std::min<std::size_t>(sizeof buffer, maxBytes - bytes.size())));
    bytes.insert(bytes.end(), buffer, buffer + in.gcount());
  }
  if (in.bad()) {
    error = "cannot read " + path.string();
    return std::nullopt;
  }
  return bytes;
}

bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                         std::string& error) {
  const std::filesystem::path tmp = temporaryBeside(path);
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      error = "cannot write " + path.string();
      std::error_code ignored;
      std::filesystem::remove(tmp, ignored);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(tmp, path, ec);
  if (ec) {
    error = "cannot replace " + path.string() + ": " + ec.message();
    std::error_code ignored;
    std::filesystem::remove(tmp, ignored);
    return false;
  }
  return true;
}

}  // namespace orva
