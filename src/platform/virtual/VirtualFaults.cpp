#include "platform/virtual/VirtualFaults.h"

#include <charconv>

#include "core/device/Commands.h"

namespace orva {

namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::optional<long> number(std::string_view text, long min, long max) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc() || end != text.data() + text.size() || value < min || value > max) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<VirtualFaults> parseVirtualFaults(std::string_view list, std::string& error) {
  VirtualFaults faults;
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view item = trimmed(list.substr(0, comma));
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    if (item.empty()) continue;

    const std::size_t eq = item.find('=');
    const std::string_view name = item.substr(0, eq);
    const std::string_view arg = eq == std::string_view::npos ? std::string_view() : item.substr(eq + 1);
    const bool hasArg = eq != std::string_view::npos;
    auto bad = [&](const char* why) {
      error = "bad fault '" + std::string(item) + "': " + why;
      return std::nullopt;
    };

    if (name == "noack" || name == "noaccess") {
      if (hasArg) return bad("takes no value");
      (name == "noack" ? faults.noAck : faults.noAccess) = true;
      continue;
    }
    const bool known = name == "status" || name == "chip" || name == "stuck" ||
                       name == "unplug-after" || name == "nack-every";
    if (!known) {
      error = "unknown fault '" + std::string(name) +
              "' (known: noack, status=N, noaccess, chip=N, stuck=ADDR, unplug-after=N, nack-every=N)";
      return std::nullopt;
    }
    if (!hasArg) return bad("needs a value");
    if (name == "status" || name == "chip") {
      const auto v = number(arg, 0, 255);
      if (!v) return bad("expected a byte value 0..255");
      (name == "status" ? faults.status : faults.chip) = static_cast<std::uint8_t>(*v);
    } else if (name == "stuck") {
      const auto v = number(arg, 0, kImageSize - 1);
      if (!v) return bad("expected an address 0..2047");
      faults.stuck.push_back(static_cast<std::uint16_t>(*v));
    } else {
      const auto v = number(arg, 1, 1'000'000'000);
      if (!v) return bad("expected a count of at least 1");
      (name == "unplug-after" ? faults.unplugAfter : faults.nackEvery) = static_cast<int>(*v);
    }
  }
  return faults;
}

}  // namespace orva
