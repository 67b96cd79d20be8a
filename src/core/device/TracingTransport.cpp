#include "core/device/TracingTransport.h"

#include <cstdio>

namespace orva {

namespace {

class TracingConnection final : public HidConnection {
 public:
  TracingConnection(std::unique_ptr<HidConnection> inner, const TraceSink& sink)
      : inner_(std::move(inner)), sink_(sink) {}

  bool setFeature(const FeatureReport& report) override {
    FeatureReport sent = report;
    sent[0] = kReportId;
    sink_(TraceDirection::Sent, sent);
    return inner_->setFeature(report);
  }

  bool getFeature(FeatureReport& report) override {
    if (!inner_->getFeature(report)) return false;
    sink_(TraceDirection::Received, report);
    return true;
  }

 private:
  std::unique_ptr<HidConnection> inner_;
  TraceSink sink_;
};

}  // namespace

std::string formatTraceLine(TraceDirection direction, const FeatureReport& report) {
  std::string line = direction == TraceDirection::Sent ? ">" : "<";
  char hex[4];
  for (std::uint8_t byte : report) {
    std::snprintf(hex, sizeof hex, " %02X", byte);
    line += hex;
  }
  return line;
}

TracingTransport::TracingTransport(Transport& inner, TraceSink sink)
    : inner_(inner), sink_(std::move(sink)) {}

std::unique_ptr<HidConnection> TracingTransport::open(const std::string& path, OpenError& error) {
  auto connection = inner_.open(path, error);
  if (!connection) return nullptr;
  return std::make_unique<TracingConnection>(std::move(connection), sink_);
}

}  // namespace orva
