#pragma once
// hidapi must be initialised before first use and released after last use,
// once per process. Each user holds one of these; the last one to go
// releases the library.

namespace orva {

class HidapiLibrary {
 public:
  HidapiLibrary();
  ~HidapiLibrary();
  HidapiLibrary(const HidapiLibrary&) = delete;
  HidapiLibrary& operator=(const HidapiLibrary&) = delete;

  // False when hid_init failed; nothing else of hidapi may be called then.
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

}  // namespace orva
