#pragma once
// Faults the virtual mouse can be asked to show, so that every failure path
// of the program can be tried without broken hardware.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orva {

struct VirtualFaults {
  bool noAck = false;                      // "noack": never acknowledges
  std::optional<std::uint8_t> status;      // "status=N": StatusCmd answers N instead of ready
  bool noAccess = false;                   // "noaccess": parameter memory not accessible
  std::optional<std::uint8_t> chip;        // "chip=N": chip code in the status answer
  std::vector<std::uint16_t> stuck;        // "stuck=ADDR": that address ignores writes (repeatable)
  std::optional<int> unplugAfter;          // "unplug-after=N": gone after N exchanges
  std::optional<int> nackEvery;            // "nack-every=N": every Nth poll answers a non-0xCC byte
};

// Parses a comma list such as "status=3,stuck=1500". Numbers are decimal or
// 0x-prefixed hexadecimal. On bad input returns nothing and sets `error`.
std::optional<VirtualFaults> parseVirtualFaults(std::string_view list, std::string& error);

}  // namespace orva
