#include "platform/hid/OpenFailure.h"

#include <unistd.h>

#include <cerrno>

namespace orva {
namespace {

OpenError fromErrno(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return OpenError::AccessDenied;
    case ENOENT:
    case ENOTDIR:
    case ENODEV:
    case ENXIO:
      return OpenError::NotFound;
    default:
      return OpenError::Failed;
  }
}

}  // namespace

OpenError classifyOpenFailure(const std::string& path, int openErrno) {
  if (::access(path.c_str(), R_OK | W_OK) != 0) {
    const OpenError seen = fromErrno(errno);
    if (seen != OpenError::Failed) return seen;
  }
  // The node is there and usable as far as permissions go (or root asks):
  // the open itself knows better, e.g. ENODEV for a mouse just unplugged.
  return fromErrno(openErrno);
}

std::string accessDeniedHint(const std::string& path) {
  return "No permission to open " + path +
         ". Install the udev rule that gives the logged-in user access to the mouse:\n"
         "  sudo cp packaging/70-orva-mouse.rules /etc/udev/rules.d/ && "
         "sudo udevadm control --reload && sudo udevadm trigger\n"
         "then unplug the mouse and plug it in again.";
}

}  // namespace orva
