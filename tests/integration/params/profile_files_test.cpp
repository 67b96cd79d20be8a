// Saving the mouse's image to a profile file and loading one back.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/io/FileIo.h"
#include "core/params/DefaultImages.h"
#include "core/params/ProfileFiles.h"
#include "support/TempFolder.h"
#include "support/VirtualRig.h"

namespace orva::test {
namespace {

const AcceptedIdentities kShipped{255, 255, 0, 0};

class ProfileFiles : public ::testing::Test {
 protected:
  ProfileFiles() : rig(memoryWithMacros()) {}

  static Image memoryWithMacros() {
    Image m = *builtInDefaultImage(1);
    for (int a = 256; a < 1280; ++a) m[a] = static_cast<std::uint8_t>(a);
    return m;
  }

  void SetUp() override {
    ASSERT_TRUE(rig.open());
    ASSERT_TRUE(cycles.InitNoDevice());
  }

  std::vector<std::uint8_t> fileBytes(const std::filesystem::path& p) {
    std::string error;
    return readWholeFile(p, error).value_or(std::vector<std::uint8_t>{});
  }
  VirtualRig rig;
  ParameterCycles cycles;
  TempFolder dir;
};

TEST(ProfileFileName, AlwaysAppendsBin) {
  EXPECT_EQ(profileFileName("/x/mine"), std::filesystem::path("/x/mine.bin"));
  EXPECT_EQ(profileFileName("/x/mine.bin"), std::filesystem::path("/x/mine.bin.bin"));
  EXPECT_EQ(profileFileName("rel"), std::filesystem::path("rel.bin"));
}

TEST_F(ProfileFiles, SaveWritesTheWholeMemoryReadFirst) {
  const SaveResult r = SaveProfile(cycles, rig.device, kShipped, dir / "mine");
  ASSERT_EQ(r.outcome, SaveOutcome::Saved) << r.error;
  EXPECT_EQ(r.file, dir / "mine.bin");
  const auto bytes = fileBytes(dir / "mine.bin");
  ASSERT_EQ(bytes.size(), 2048u);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), rig.mouse->memory().begin()));
  EXPECT_EQ(rig.sentWithCode(Command::ReadData), 1 + 342);  // identity, then everything
}

TEST_F(ProfileFiles, SavingOverAChosenBinFileLeavesItAlone) {
  dir.write("old.bin", {1, 2, 3});
  ASSERT_EQ(SaveProfile(cycles, rig.device, kShipped, dir / "old.bin").outcome, SaveOutcome::Saved);
  EXPECT_EQ(fileBytes(dir / "old.bin"), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(fileBytes(dir / "old.bin.bin").size(), 2048u);
}

TEST_F(ProfileFiles, NothingIsSavedWhenTheMouseWasNotReadWhole) {
  struct Row {
    const char* faults;
    AcceptedIdentities identities;
    DevInfoOutcome devInfo;
  } rows[] = {
      {"status=3", kShipped, DevInfoOutcome::Stopped},
      {"", AcceptedIdentities{1, 1, 2, 2}, DevInfoOutcome::IdentityMismatch},
      // Begin, Status, identity block and chunk answered; the full read is not.
      {"unplug-after=4", kShipped, DevInfoOutcome::Accepted},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.faults);
    VirtualRig fresh(memoryWithMacros());
    ASSERT_TRUE(fresh.open());
    std::string error;
    fresh.mouse->setFaults(*parseVirtualFaults(row.faults, error));
    const SaveResult r = SaveProfile(cycles, fresh.device, row.identities, dir / "mine");
    EXPECT_EQ(r.outcome, SaveOutcome::NotRead);
    EXPECT_EQ(r.devInfo.outcome, row.devInfo);
    EXPECT_FALSE(std::filesystem::exists(dir / "mine.bin"));
  }
}

TEST_F(ProfileFiles, SaveIntoAMissingFolderIsAFileError) {
  const SaveResult r = SaveProfile(cycles, rig.device, kShipped, dir / "none" / "mine");
  EXPECT_EQ(r.outcome, SaveOutcome::FileError);
  EXPECT_FALSE(r.error.empty());
}

TEST_F(ProfileFiles, SavedFileLoadsBackByteForByte) {
  ASSERT_EQ(SaveProfile(cycles, rig.device, kShipped, dir / "mine").outcome, SaveOutcome::Saved);
  const Image saved = rig.mouse->memory();
  // The mouse changes in the meantime.
  cycles.model.cb_CurrentCPI = 6;
  ASSERT_EQ(cycles.DownloadParameter(rig.device), ApplyOutcome::Written);
  ASSERT_NE(rig.mouse->memory(), saved);

  rig.wire.clear();
  std::string error;
  const WriteResult r = LoadProfile(cycles, rig.device, dir / "mine.bin", error);
  EXPECT_EQ(r.outcome, WriteOutcome::Verified);
  EXPECT_EQ(rig.mouse->memory(), saved);
  EXPECT_TRUE(cycles.FireDirectoryLoaded);
  EXPECT_EQ(cycles.model.cb_CurrentCPI, 1);
  EXPECT_EQ(rig.sentWithCode(Command::WriteData), 342);
}

TEST_F(ProfileFiles, ShortAndLongFilesCoverTheStartOfTheImage) {
  struct Row {
    std::size_t size;
    int lastFromFile;
  } rows[] = {{10, 9}, {2048, 2047}, {3000, 2047}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.size);
    cycles.DataBuf = *builtInDefaultImage(1);
    dir.write("p.bin", std::vector<std::uint8_t>(row.size, 0xA5));
    std::string error;
    LoadProfile(cycles, rig.device, dir / "p.bin", error);
    EXPECT_EQ(rig.mouse->memory()[row.lastFromFile], 0xA5);
    if (row.lastFromFile < 2047) EXPECT_EQ(rig.mouse->memory()[row.lastFromFile + 1], (*builtInDefaultImage(1))[row.lastFromFile + 1]);
  }
}

TEST_F(ProfileFiles, CorruptSectionsShowFallbacksButTheFileIsWrittenAsItIs) {
  Image image = *builtInDefaultImage(1);
  ++image[47];
  dir.write("bad.bin", std::vector<std::uint8_t>(image.begin(), image.end()));
  std::string error;
  const WriteResult r = LoadProfile(cycles, rig.device, dir / "bad.bin", error);
  EXPECT_EQ(r.outcome, WriteOutcome::Verified);
  EXPECT_EQ(r.repaired, std::vector<Section>{Section::ParameterA});
  EXPECT_EQ(cycles.model.cb_CPIStep, 2);
  EXPECT_EQ(rig.mouse->memory(), image);
}

TEST_F(ProfileFiles, MissingFileChangesNothing) {
  const Image before = cycles.DataBuf;
  std::string error;
  EXPECT_EQ(LoadProfile(cycles, rig.device, dir / "nothing.bin", error).outcome, WriteOutcome::FileUnreadable);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(cycles.DataBuf, before);
  EXPECT_FALSE(cycles.FireDirectoryLoaded);
  EXPECT_TRUE(rig.wire.empty());
}

}  // namespace
}  // namespace orva::test
