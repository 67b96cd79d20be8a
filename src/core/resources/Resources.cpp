#include "core/resources/Resources.h"

#include <algorithm>
#include <cctype>

namespace orva {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

}  // namespace

std::span<const EmbeddedResource> embeddedResources() {
  return {detail::kEmbeddedResources, detail::kEmbeddedResourceCount};
}

std::optional<std::span<const std::uint8_t>> findResource(std::string_view name) {
  for (const EmbeddedResource& r : embeddedResources()) {
    if (sameIgnoringCase(r.name, name)) return std::span<const std::uint8_t>(r.data, r.size);
  }
  return std::nullopt;
}

std::optional<std::string_view> findTextResource(std::string_view name) {
  const auto bytes = findResource(name);
  if (!bytes) return std::nullopt;
  return std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

}  // namespace orva
