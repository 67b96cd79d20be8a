// Fuzzes the macro formats with arbitrary bytes: decoding of macro and
// driver data, library files, the device slot checks, names and event lines.
// A decoded macro encoded again must decode to the same events.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/macros/MacroCodec.h"
#include "core/macros/MacroLibrary.h"
#include "core/macros/MacroSlots.h"

namespace {

volatile std::size_t gSink = 0;

const orva::MacroKeyNames kNames{
    [](int vk) { return "vk" + std::to_string(vk); },
    [](std::uint8_t usage) { return "u" + std::to_string(usage); },
};

template <class Data>
Data dataFrom(std::span<const std::uint8_t> bytes) {
  Data data{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), data.size()), data.begin());
  return data;
}

struct Events {
  std::vector<std::string> lines;  // every line but the header and the delays
  long long delayMs = 0;
};

Events eventsOf(const orva::DecodedMacro& macro) {
  Events events;
  for (std::size_t i = 1; i < macro.lines.size(); ++i) {
    if (orva::isDelayLine(macro.lines[i])) {
      events.delayMs += orva::delayLineMs(macro.lines[i]);
    } else {
      events.lines.push_back(macro.lines[i]);
    }
  }
  return events;
}

// Encoding what was decoded keeps the events, their total delay and the
// options that live in the data.
template <class Data>
void checkRoundTrip(const Data& data, orva::MacroDataLayout layout) {
  const auto first = orva::DecodeMacro(data, kNames);
  if (!first) return;
  Data again{};
  const orva::EncodedMacro encoded = orva::EncodeMacro(first->lines, first->options, again);
  if (encoded.cut) return;
  const auto second = orva::DecodeMacro(again, kNames);
  const Events before = eventsOf(*first);
  if (!second) {
    if (!before.lines.empty() || first->lines.size() > 1 || first->options.repetition != orva::Repetition::Once) {
      __builtin_trap();
    }
    return;
  }
  const Events after = eventsOf(*second);
  if (after.lines != before.lines || after.delayMs != before.delayMs ||
      second->options.stopMode != first->options.stopMode ||
      second->options.repetition != first->options.repetition ||
      (first->options.repetition == orva::Repetition::Times &&
       second->options.repeatCount != first->options.repeatCount)) {
    __builtin_trap();
  }
  if (!orva::macroChecksumHolds(again, layout)) __builtin_trap();
  gSink = gSink + encoded.hexDump.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::span<const std::uint8_t> input(bytes, size);
  std::size_t touched = 0;

  checkRoundTrip(dataFrom<orva::MacroData>(input), orva::kMacroDataLayout);
  checkRoundTrip(dataFrom<orva::DriverMacroData>(input), orva::kDriverMacroDataLayout);

  for (const orva::MacroRecord& r : orva::macroRecordsInUse<orva::MacroRecord>(input)) {
    if (!orva::macroNameInUse(r.name)) __builtin_trap();
    touched += orva::macroNameText(r.name).size() + orva::macroHexDump(r.data, orva::kMacroDataLayout).size();
    checkRoundTrip(r.data, orva::kMacroDataLayout);
  }
  for (const orva::DriverMacroRecord& r : orva::macroRecordsInUse<orva::DriverMacroRecord>(input)) {
    touched += orva::macroNameText(r.name).size();
    checkRoundTrip(r.data, orva::kDriverMacroDataLayout);
  }

  // The slots out of macro buffers filled with the input.
  orva::MacroBufferLow low{};
  orva::MacroBufferHigh high{};
  std::copy_n(input.begin(), std::min(size, low.size()), low.begin());
  if (size > low.size()) std::copy_n(input.begin() + low.size(), std::min(size - low.size(), high.size()), high.begin());
  orva::DeviceMacroSlots slots;
  slots.ReadAndRefreshMacro(low, high, true);
  for (int slot = 1; slot <= orva::kCheckedMacroSlots; ++slot) {
    const orva::MacroData& data = slots.slot(slot).data;
    const bool empty = std::ranges::all_of(data, [](std::uint8_t b) { return b == 0; });
    if (!empty && !orva::macroChecksumHolds(data, orva::kMacroDataLayout)) __builtin_trap();
  }
  for (const std::string& name : slots.RefreshMacroName()) touched += name.size();

  // The input as text: a name, and event lines.
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  if (const auto name = orva::MacroNameStrToUnicode(text)) {
    if (orva::macroNameText(*name) != text) __builtin_trap();
  }
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  orva::MacroData data{};
  orva::MacroOptions options;
  options.repetition = size % 3 == 0 ? orva::Repetition::Once : size % 3 == 1 ? orva::Repetition::Times
                                                                               : orva::Repetition::Endless;
  const orva::EncodedMacro encoded = orva::EncodeMacro(lines, options, data);
  if (!encoded.hexDump.empty() && !orva::macroChecksumHolds(data, orva::kMacroDataLayout)) __builtin_trap();
  touched += encoded.hexDump.size();

  gSink = gSink + touched;
  return 0;
}
