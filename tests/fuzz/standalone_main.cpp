// Runs a fuzz target without libFuzzer: every file of the seed corpus, then
// mutations of them and random inputs from a fixed seed, so runs repeat.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::vector<std::vector<std::uint8_t>> seeds;
  if (argc > 1 && std::filesystem::is_directory(argv[1])) {
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
      std::ifstream in(entry.path(), std::ios::binary);
      seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  seeds.emplace_back();
  for (const auto& seed : seeds) LLVMFuzzerTestOneInput(seed.data(), seed.size());

  std::mt19937 rng(12345);
  for (int round = 0; round < 20000; ++round) {
    std::vector<std::uint8_t> input = seeds[rng() % seeds.size()];
    const int edits = 1 + static_cast<int>(rng() % 8);
    for (int e = 0; e < edits; ++e) {
      const std::uint8_t byte = static_cast<std::uint8_t>(rng());
      if (input.empty() || rng() % 3 == 0) {
        input.insert(input.begin() + (input.empty() ? 0 : rng() % (input.size() + 1)), byte);
      } else if (rng() % 2 == 0) {
        input[rng() % input.size()] = byte;
      } else {
        input.erase(input.begin() + rng() % input.size());
      }
    }
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  return 0;
}
