// The gun key scripts and their file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/fire/GunKeyScriptStore.h"
#include "core/io/FileIo.h"
#include "support/TempFolder.h"

namespace orva::fire {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

Names namesOf(const GunKeyScriptStore& store) {
  Names names;
  for (const ListedScript& s : store.listed()) names.push_back(s.name);
  return names;
}

class GunKeyScriptFile : public ::testing::Test {
 protected:
  void writeFile(const Bytes& bytes) { dir.write(kGunKeyScriptsFileName, bytes); }
  Bytes fileOnDisk() {
    std::string error;
    return readWholeFile(file, error).value_or(Bytes{});
  }

  orva::test::TempFolder dir;
  std::filesystem::path file = dir / kGunKeyScriptsFileName;
};

TEST_F(GunKeyScriptFile, AddThreeDeleteTheSecond) {
  std::string error;
  GunKeyScriptStore store = GunKeyScriptStore::load(file, error);
  EXPECT_FALSE(store.FireScriptsPresent());
  EXPECT_EQ(store.add(1, 1), 0u);
  EXPECT_EQ(store.add(2, 3), 1u);
  EXPECT_EQ(store.add(8, 10), 2u);

  const ScriptRemoval removal = store.remove(1);
  EXPECT_TRUE(removal.removed);
  EXPECT_EQ(removal.select, 0u);
  EXPECT_EQ(namesOf(store), (Names{"Fire Macro1", "Fire Macro2"}));

  ASSERT_TRUE(store.save(file, error)) << error;
  EXPECT_TRUE(store.FireScriptsPresent());
  Bytes expected = {0x0C, 0x01, 0x01, 0x0C, 0x08, 0x0A};
  expected.resize(kGunKeyScriptsFileSize, 0x00);
  EXPECT_EQ(fileOnDisk(), expected);

  const GunKeyScriptStore reloaded = GunKeyScriptStore::load(file, error);
  EXPECT_TRUE(reloaded.FireScriptsPresent());
  EXPECT_EQ(reloaded.scripts(), store.scripts());
}

TEST_F(GunKeyScriptFile, DamagedOrShortFileOffersOnlyValidScripts) {
  writeFile({0x0C, 0x01, 0x02,   // script 1
             0xFF, 0xFF, 0xFF,   // not a gun code
             0x0C, 0x00, 0x05,   // no fire macro 0
             0x0C, 0x03, 0x03,   // script 4
             0x0C, 0x0B});       // cut short by the end of the file
  std::string error;
  GunKeyScriptStore store = GunKeyScriptStore::load(file, error);
  EXPECT_TRUE(store.FireScriptsPresent());
  EXPECT_EQ(store.listed(), (std::vector<ListedScript>{{1, "Fire Macro1"}, {4, "Fire Macro4"}}));
  EXPECT_EQ(store.scripts()[1], (KeyCode{0, 0, 0}));

  // A new script takes the first unused position, listed between the two.
  EXPECT_EQ(store.add(5, 6), 1u);
  EXPECT_EQ(store.scripts()[1], (KeyCode{0x0C, 0x05, 0x06}));
}

TEST_F(GunKeyScriptFile, UnwritableFolderLeavesTheScriptsAbsent) {
  GunKeyScriptStore store;
  store.add(1, 2);
  std::string error;
  EXPECT_FALSE(store.save(dir / "missing" / kGunKeyScriptsFileName, error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(store.FireScriptsPresent());
}

TEST(GunKeyScripts, AtMostTenAndOnlyFireMacroNumbers) {
  GunKeyScriptStore store;
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(store.add(i, i), static_cast<std::size_t>(i - 1));
  EXPECT_FALSE(store.add(1, 1));
  EXPECT_EQ(store.listed().back().name, "Fire Macro10");

  GunKeyScriptStore other;
  for (const auto& [first, last] : {std::pair{0, 5}, std::pair{1, 11}, std::pair{-1, 1}}) {
    EXPECT_FALSE(other.add(first, last)) << first << "," << last;
  }
  EXPECT_TRUE(other.listed().empty());
}

TEST(GunKeyScripts, SelectionAfterADelete) {
  struct Row {
    int scripts;
    std::size_t removed;
    ScriptRemoval result;
  };
  const Row rows[] = {
      {3, 0, {true, 0}},             // the first: the new first
      {3, 2, {true, 1}},             // the last: the one before it
      {1, 0, {true, std::nullopt}},  // the only one: nothing left
      {2, 2, {false, std::nullopt}}, // no such entry
  };
  for (const Row& row : rows) {
    GunKeyScriptStore store;
    for (int i = 1; i <= row.scripts; ++i) store.add(i, i);
    const ScriptRemoval removal = store.remove(row.removed);
    EXPECT_EQ(removal.removed, row.result.removed) << row.scripts << "/" << row.removed;
    EXPECT_EQ(removal.select, row.result.select) << row.scripts << "/" << row.removed;
    EXPECT_EQ(store.listed().size(), static_cast<std::size_t>(row.scripts - (row.result.removed ? 1 : 0)));
  }
}

}  // namespace
}  // namespace orva::fire
