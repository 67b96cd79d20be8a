#pragma once
// A transport wrapper that reports every feature report crossing it, for
// --trace and for tests that check the exact bytes on the wire.

#include <functional>
#include <string>

#include "core/device/Transport.h"

namespace orva {

enum class TraceDirection { Sent, Received };
using TraceSink = std::function<void(TraceDirection, const FeatureReport&)>;

// "> 04 04 36 00 02 00 00 00" for a sent report, "< ..." for a received one.
std::string formatTraceLine(TraceDirection direction, const FeatureReport& report);

class TracingTransport final : public Transport {
 public:
  TracingTransport(Transport& inner, TraceSink sink);

  std::vector<HidInterfaceInfo> enumerate() override { return inner_.enumerate(); }
  int countInterfaces() override { return inner_.countInterfaces(); }
  std::unique_ptr<HidConnection> open(const std::string& path, OpenError& error) override;

 private:
  Transport& inner_;
  TraceSink sink_;
};

}  // namespace orva
