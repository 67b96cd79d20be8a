#include "LayoutValues.h"

#include <utility>

namespace layoutview {

LayoutValues::LayoutValues(int language) {
  orva::LayoutResult result = orva::LoadLayout(language);
  layout_ = std::move(result.layout);
  error_ = std::move(result.error);
}

std::optional<int> LayoutValues::get(std::string_view key) const {
  if (layout_) {
    if (const auto number = layout_->find(key)) return number;
  }
  missing_.emplace(key);
  return std::nullopt;
}

std::set<std::string> LayoutValues::takeMissing() const { return std::exchange(missing_, {}); }

}  // namespace layoutview
