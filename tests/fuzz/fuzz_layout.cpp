// Fuzzes the layout reader with arbitrary text as the file of layout 1.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/skin/LayoutFile.h"
#include "core/skin/LayoutSchema.h"

namespace {

volatile std::size_t gSink = 0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const orva::LayoutResult result = orva::LoadLayout(text, orva::layoutResourceName(1));

  // Exactly one of layout and error.
  if (result.ok() == !result.error.empty()) __builtin_trap();
  if (!result.ok()) {
    gSink = gSink + result.error.size();
    return 0;
  }
  // A loaded layout answers for every key the program reads.
  std::size_t touched = 0;
  for (const std::string& key : orva::layoutKeys()) {
    if (!result.layout->find(key)) __builtin_trap();
    touched += static_cast<std::size_t>(result.layout->value(key));
  }
  touched += result.layout->colour("Color_A") + (result.layout->enabled("Btn_A1") ? 1u : 0u);
  gSink = gSink + touched;
  return 0;
}
