#pragma once
// The files of resources/ are compiled into the program; they are found by
// their base name (without extension) regardless of case: "org", "ORG1",
// "L1_BackGround".

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orva {

struct EmbeddedResource {
  std::string_view name;
  const std::uint8_t* data;
  std::size_t size;
};

std::span<const EmbeddedResource> embeddedResources();
std::optional<std::span<const std::uint8_t>> findResource(std::string_view name);
std::optional<std::string_view> findTextResource(std::string_view name);

namespace detail {
extern const EmbeddedResource kEmbeddedResources[];
extern const std::size_t kEmbeddedResourceCount;
}  // namespace detail

}  // namespace orva
