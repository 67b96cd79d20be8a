#include "platform/AppFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace orva {

namespace {

std::filesystem::path userDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::filesystem::path(xdg) / "orva-config";
  if (const char* home = std::getenv("HOME"); home && *home) {
    return std::filesystem::path(home) / ".local" / "share" / "orva-config";
  }
  return std::filesystem::temp_directory_path() / "orva-config";
}

std::string withSeparator(const std::filesystem::path& folder) {
  std::string text = folder.string();
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

}  // namespace

std::string AppFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && ::access(exe.parent_path().c_str(), W_OK) == 0) return withSeparator(exe.parent_path());
  const std::filesystem::path data = userDataFolder();
  std::filesystem::create_directories(data, ec);
  return withSeparator(data);
}

}  // namespace orva
