#include "platform/hid/HidapiLibrary.h"

#include <hidapi.h>

#include <mutex>

namespace orva {
namespace {

std::mutex usersMutex;
int users = 0;

bool acquire() {
  const std::lock_guard lock(usersMutex);
  if (users == 0 && hid_init() != 0) return false;
  ++users;
  return true;
}

void release() {
  const std::lock_guard lock(usersMutex);
  if (--users == 0) hid_exit();
}

}  // namespace

HidapiLibrary::HidapiLibrary() : ok_(acquire()) {}

HidapiLibrary::~HidapiLibrary() {
  if (ok_) release();
}

}  // namespace orva
