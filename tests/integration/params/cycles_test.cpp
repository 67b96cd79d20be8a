// The read, apply, default and whole-image write cycles against the virtual
// mouse: what goes over the wire, what the mouse then holds, what the model
// shows.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/params/Checksum.h"
#include "core/params/DefaultImages.h"
#include "core/params/ParameterCycles.h"
#include "support/TempFolder.h"
#include "support/VirtualRig.h"

namespace orva::test {
namespace {

using Runs = std::vector<std::pair<int, int>>;  // (command code, times in a row)

const AcceptedIdentities kShipped{255, 255, 0, 0};

class Cycles : public ::testing::Test {
 protected:
  Cycles() : rig(*builtInDefaultImage(1)) {}
  void SetUp() override {
    ASSERT_TRUE(rig.open());
    ASSERT_TRUE(cycles.InitNoDevice());
  }

  // The commands sent, consecutive repeats folded: (5, 43) is 43 read chunks.
  Runs commandRuns() const {
    Runs runs;
    for (std::uint8_t code : rig.sentCodes()) {
      if (!runs.empty() && runs.back().first == code) {
        ++runs.back().second;
      } else {
        runs.emplace_back(code, 1);
      }
    }
    return runs;
  }

  void faults(const char* list) {
    std::string error;
    rig.mouse->setFaults(*parseVirtualFaults(list, error));
  }

  void acceptedCheck() { ASSERT_EQ(ReadDevInfo(rig.device, kShipped).outcome, DevInfoOutcome::Accepted); }

  VirtualRig rig;
  ParameterCycles cycles;
};

TEST_F(Cycles, ParametersOnlyReadTakesBytes0To254AndLeavesTheRestFF) {
  cycles.macroBufferLow.fill(0x42);  // device macro names shown before the read stay
  acceptedCheck();
  const ReadResult r = cycles.readCycle(rig.device, false);
  ASSERT_TRUE(r.ok);
  EXPECT_TRUE(r.repaired.empty());
  EXPECT_EQ(commandRuns(), (Runs{{1, 1}, {3, 1}, {4, 1}, {5, 1}, {4, 1}, {5, 43}, {8, 1}, {2, 1}}));
  EXPECT_TRUE(std::equal(cycles.DataBuf.begin(), cycles.DataBuf.begin() + 255, rig.mouse->memory().begin()));
  EXPECT_TRUE(std::all_of(cycles.DataBuf.begin() + 255, cycles.DataBuf.end(), [](auto b) { return b == 0xFF; }));
  EXPECT_TRUE(std::ranges::all_of(cycles.macroBufferLow, [](auto b) { return b == 0x42; }));

  // The next apply puts the macro and fire buffers back before writing.
  ASSERT_EQ(cycles.DownloadParameter(rig.device), ApplyOutcome::Written);
  EXPECT_EQ(cycles.DataBuf[300], 0x42);
}

TEST_F(Cycles, FullReadTakesTheMacroAndFireAreas) {
  Image memory = *builtInDefaultImage(1);
  for (int a = 256; a < kImageSize; ++a) memory[a] = static_cast<std::uint8_t>(a * 3);
  VirtualRig other(memory);
  ASSERT_TRUE(other.open());
  ASSERT_EQ(ReadDevInfo(other.device, kShipped).outcome, DevInfoOutcome::Accepted);
  other.wire.clear();
  ASSERT_TRUE(cycles.readCycle(other.device, true).ok);
  EXPECT_EQ(other.sentWithCode(Command::ReadData), 342);
  EXPECT_EQ(cycles.DataBuf, memory);
  EXPECT_TRUE(std::equal(cycles.macroBufferLow.begin(), cycles.macroBufferLow.end(), memory.begin() + 256));
  EXPECT_TRUE(std::equal(cycles.macroBufferHigh.begin(), cycles.macroBufferHigh.end(), memory.begin() + 1536));
  EXPECT_TRUE(std::equal(cycles.fireMacroBlocks[9].begin(), cycles.fireMacroBlocks[9].end(), memory.begin() + 1496));
}

TEST_F(Cycles, ReadOfACorruptSectionShowsItsFallback) {
  Image memory = *builtInDefaultImage(1);
  ++memory[47];
  VirtualRig other(memory);
  ASSERT_TRUE(other.open());
  ASSERT_EQ(ReadDevInfo(other.device, kShipped).outcome, DevInfoOutcome::Accepted);
  const ReadResult r = cycles.readCycle(other.device, false);
  EXPECT_EQ(r.repaired, std::vector<Section>{Section::ParameterA});
  EXPECT_EQ(cycles.model.cb_CPIStep, 2);  // four levels
  EXPECT_EQ(cycles.model.ledType, LedType::RBLED);
}

TEST_F(Cycles, AFailedReadKeepsWhatWasShown) {
  acceptedCheck();
  cycles.model.cb_CurrentCPI = 5;
  const Image before = cycles.DataBuf;
  faults("noack");
  EXPECT_FALSE(cycles.readCycle(rig.device, false).ok);
  EXPECT_EQ(cycles.DataBuf, before);
  EXPECT_EQ(cycles.model.cb_CurrentCPI, 5);
}

TEST_F(Cycles, ApplyWritesTheParameterBytesOnly) {
  cycles.model.cb_CurrentCPI = 3;
  cycles.model.edt_CPIColor[0] = {9, 8, 7};
  EXPECT_EQ(cycles.DownloadParameter(rig.device), ApplyOutcome::Written);
  EXPECT_EQ(commandRuns(), (Runs{{1, 1}, {3, 1}, {6, 1}, {7, 43}, {8, 1}, {2, 1}}));
  const auto& m = rig.mouse->memory();
  EXPECT_EQ(m[48], 3);
  EXPECT_EQ(m[49], 252);
  EXPECT_EQ(m[26], 9);
  EXPECT_EQ(m[47], checksumOf(std::span(m).first(47)));  // sealed
  EXPECT_TRUE(std::equal(m.begin() + 255, m.end(), builtInDefaultImage(1)->begin() + 255));
}

TEST_F(Cycles, ApplyAlsoWritesALoadedFireDirectory) {
  cycles.FireDirectoryLoaded = true;
  cycles.fireMacroDirectory[5] = 0x77;
  EXPECT_EQ(cycles.DownloadParameter(rig.device), ApplyOutcome::Written);
  EXPECT_EQ(commandRuns(), (Runs{{1, 1}, {3, 1}, {6, 1}, {7, 43}, {6, 1}, {7, 43}, {8, 1}, {2, 1}}));
  EXPECT_EQ(rig.mouse->memory()[1285], 0x77);
}

TEST_F(Cycles, ApplyGivesEveryAimKeyTheAimValueAndSealsTheProfile) {
  // Button 4 of profile 1 and button 2 of profile 2 are aim keys; the last one read decides the value.
  Image image = *builtInDefaultImage(1);
  image[64 + 3 * 3] = 0x0A;
  image[64 + 3 * 3 + 1] = 2;
  image[91 + 3 * 1] = 0x0A;
  image[91 + 3 * 1 + 1] = 5;
  image[118] = checksumOf(std::span(image).subspan(64, 54));
  cycles.DataBuf = image;
  cycles.TakeInImage(true);
  EXPECT_EQ(cycles.AimValue, 5);

  cycles.AimValue = 9;  // chosen on the DPI page
  EXPECT_EQ(cycles.DownloadParameter(rig.device), ApplyOutcome::Written);
  const auto& m = rig.mouse->memory();
  EXPECT_EQ(m[74], 9);
  EXPECT_EQ(m[95], 9);
  EXPECT_EQ(cycles.ProfileCodes1[3], "0A0200");  // the code texts stay as they were
  EXPECT_EQ(m[118], checksumOf(std::span(m).subspan(64, 54)));
}

TEST_F(Cycles, ApplyOutcomesWhenTheMouseCannotTakeIt) {
  struct Row {
    const char* faults;
    ApplyOutcome outcome;
    Runs runs;
  } rows[] = {
      {"status=3", ApplyOutcome::NotReady, {{1, 1}, {3, 1}}},
      {"noaccess", ApplyOutcome::NoAccess, {{1, 1}, {3, 1}, {8, 1}, {2, 1}}},
      {"noack", ApplyOutcome::DeviceFailed, {{1, 5}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.faults);
    rig.wire.clear();
    faults(row.faults);
    cycles.model.cb_CurrentCPI = 4;
    EXPECT_EQ(cycles.DownloadParameter(rig.device), row.outcome);
    EXPECT_EQ(commandRuns(), row.runs);
    EXPECT_EQ(rig.mouse->memory()[48], 1);
  }
}

class WithFolder : public Cycles {
 protected:
  TempFolder dir;
};

TEST_F(WithFolder, DefaultButtonTakesItsFileAndWritesItWhole) {
  const Image image1 = *builtInDefaultImage(1);
  std::vector<std::uint8_t> file(image1.begin(), image1.end());
  file[1000] = 0x5C;
  dir.write("ORVA31xData_Cfg2.bin", file);
  std::string error;
  const WriteResult r = cycles.TLDefaultParameter(rig.device, 2, (dir / defaultFileName(2)).string(), error);
  EXPECT_EQ(r.outcome, WriteOutcome::Verified);
  EXPECT_EQ(commandRuns(), (Runs{{1, 1}, {3, 1}, {6, 1}, {7, 342}, {4, 1}, {5, 342}, {8, 1}, {2, 1}}));
  EXPECT_TRUE(std::equal(file.begin(), file.end(), rig.mouse->memory().begin()));
  EXPECT_TRUE(cycles.FireDirectoryLoaded);
}

TEST_F(WithFolder, DefaultButtonWithoutFileTakesItsOwnBuiltInImage) {
  for (int n : {1, 2, 3}) {
    SCOPED_TRACE(n);
    std::string error;
    EXPECT_EQ(cycles.TLDefaultParameter(rig.device, n, (dir / defaultFileName(n)).string(), error).outcome,
              WriteOutcome::Verified);
    EXPECT_EQ(rig.mouse->memory(), *builtInDefaultImage(n));
  }
}

TEST_F(WithFolder, ShortDefaultFileReplacesOnlyTheStart) {
  dir.write("short.bin", std::vector<std::uint8_t>(100, 0x11));
  cycles.DataBuf.fill(0x22);
  std::string error;
  cycles.TLDefaultParameter(rig.device, 1, (dir / "short.bin").string(), error);
  EXPECT_EQ(rig.mouse->memory()[99], 0x11);
  EXPECT_EQ(rig.mouse->memory()[100], 0x22);
}

TEST_F(WithFolder, UnreadableDefaultFileChangesNothing) {
  std::filesystem::create_directory(dir / "ORVA31xData_Cfg1.bin");  // a folder where the file should be
  const Image before = cycles.DataBuf;
  std::string error;
  EXPECT_EQ(cycles.TLDefaultParameter(rig.device, 1, (dir / "ORVA31xData_Cfg1.bin").string(), error).outcome,
            WriteOutcome::FileUnreadable);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(cycles.DataBuf, before);
  EXPECT_TRUE(rig.wire.empty());
}

TEST_F(Cycles, StuckByteGetsThreeSingleByteRepairsThenFail) {
  faults("stuck=1500");
  cycles.DataBuf[1500] = static_cast<std::uint8_t>(rig.mouse->memory()[1500] ^ 0xFF);
  const WriteResult r = cycles.MemoToDataBuf_OnClick(rig.device);
  EXPECT_EQ(r.outcome, WriteOutcome::Fail);
  EXPECT_EQ(r.VerifyDiff, std::vector<int>{1500});
  EXPECT_EQ(r.repairPasses, 3);
  const Runs repair = {{6, 1}, {7, 1}, {4, 1}, {5, 342}};
  Runs expected = {{1, 1}, {3, 1}, {6, 1}, {7, 342}, {4, 1}, {5, 342}};
  for (int pass = 0; pass < 3; ++pass) expected.insert(expected.end(), repair.begin(), repair.end());
  expected.insert(expected.end(), {{8, 1}, {2, 1}});
  EXPECT_EQ(commandRuns(), expected);
  const auto single = std::ranges::find_if(rig.wire, [](const WireEntry& w) {
    return w.direction == TraceDirection::Sent && w.report[1] == 6 && w.report[4] == 1;
  });
  ASSERT_NE(single, rig.wire.end());
  EXPECT_EQ(formatTraceLine(single->direction, single->report), "> 04 06 DC 05 01 00 00 00");
}

TEST_F(Cycles, WholeImageWriteSkipsAMouseItMayNotWrite) {
  struct Row {
    const char* faults;
    WriteOutcome outcome;
    Runs runs;
  } rows[] = {
      {"status=3", WriteOutcome::NotReady, {{1, 1}, {3, 1}}},
      {"noaccess", WriteOutcome::NotUsable, {{1, 1}, {3, 1}, {8, 1}, {2, 1}}},
      {"chip=9", WriteOutcome::NotUsable, {{1, 1}, {3, 1}, {8, 1}, {2, 1}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.faults);
    rig.wire.clear();
    faults(row.faults);
    EXPECT_EQ(cycles.MemoToDataBuf_OnClick(rig.device).outcome, row.outcome);
    EXPECT_EQ(commandRuns(), row.runs);
  }
}

TEST_F(Cycles, WholeImageWriteStopsWhenTheMouseGoesAway) {
  faults("unplug-after=100");
  cycles.DataBuf[10] ^= 1;
  const WriteResult r = cycles.MemoToDataBuf_OnClick(rig.device);
  EXPECT_EQ(r.outcome, WriteOutcome::Aborted);
}

TEST_F(Cycles, FireDirectoryIsReadAfterTheIdentityCheck) {
  Image memory = *builtInDefaultImage(1);
  memory[1281] = 0x33;
  VirtualRig other(memory);
  ASSERT_TRUE(other.open());
  EXPECT_EQ(cycles.RefreshFireDirectory(other.device, kShipped), FireDirectoryOutcome::Read);
  Runs runs;
  for (std::uint8_t code : other.sentCodes()) {
    if (!runs.empty() && runs.back().first == code) ++runs.back().second; else runs.emplace_back(code, 1);
  }
  EXPECT_EQ(runs, (Runs{{1, 1}, {3, 1}, {4, 1}, {5, 1}, {4, 1}, {5, 43}, {8, 1}, {2, 1}}));
  EXPECT_EQ(cycles.fireMacroDirectory[1], 0x33);
  EXPECT_EQ(cycles.fireMacroBlocks[0][1], 0x33);
  EXPECT_EQ(cycles.RefreshFireDirectory(other.device, AcceptedIdentities{1, 2, 3, 4}),
            FireDirectoryOutcome::IdentityMismatch);
}

}  // namespace
}  // namespace orva::test
