// The macro libraries on a temporary folder: start-up load, the list
// operations with their limits and refusals, imports, exports and saves
// that fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/io/FileIo.h"
#include "core/macros/MacroLibrary.h"
#include "unit/macros/macro_test_support.h"
#include "support/TempFolder.h"

namespace orva::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class LibraryFolder : public ::testing::Test {
 protected:

  Bytes read(const fs::path& file) const {
    std::string error;
    return readWholeFile(file, error).value_or(Bytes{});
  }
  void write(const fs::path& file, const Bytes& bytes) const {
    std::string error;
    ASSERT_TRUE(writeFileAtomically(file, bytes, error)) << error;
  }

  // A record with `name` and one content byte `mark`, at `index` of a file.
  template <class Record>
  static void put(Bytes& file, int index, const std::string& name, std::uint8_t mark) {
    Record record;
    record.name = *MacroNameStrToUnicode(name);
    const Bytes stored = storedBytes(0x00, {mark}, Record::kLayout.lengthBytes);
    std::copy(stored.begin(), stored.end(), record.data.begin());
    record.toBytes(std::span<std::uint8_t, Record::kSize>(file.data() + index * Record::kSize, Record::kSize));
  }
  static Bytes macroFile(const Names& names) {
    Bytes file(25600, 0);
    for (std::size_t i = 0; i < names.size(); ++i) put<MacroRecord>(file, static_cast<int>(i), names[i], 0xA1);
    return file;
  }
  static std::string nameAt(const Bytes& file, int index, int recordSize) {
    return macroNameText(std::span<const std::uint8_t, kMacroNameSize>(file.data() + index * recordSize, kMacroNameSize));
  }

  MacroLibrary loaded(const Names& names) {
    write(macroPath(), macroFile(names));
    MacroLibrary library(macroPath());
    EXPECT_TRUE(library.CheckPCMacro().ok());
    return library;
  }
  fs::path macroPath() const { return folder / "Macro.bin"; }
  fs::path driverPath() const { return folder / "Driver_Macro.bin"; }

  TempFolder folder;
};

TEST_F(LibraryFolder, AMissingMacroBinIsCreatedEmpty) {
  MacroLibrary library(macroPath());
  ASSERT_TRUE(library.CheckPCMacro().ok());
  EXPECT_TRUE(library.names().empty());
  EXPECT_EQ(read(macroPath()), Bytes(25600, 0));

  DriverMacroLibrary driver(driverPath());
  ASSERT_TRUE(driver.CheckPCMacro().ok());
  EXPECT_EQ(driver.size(), 0);
  EXPECT_FALSE(fs::exists(driverPath()));
}

TEST_F(LibraryFolder, RecordsWithoutNamesAreLeftOutOfTheList) {
  Bytes file(25600, 0);
  put<MacroRecord>(file, 3, "first", 0xA1);
  put<MacroRecord>(file, 70, "second", 0xA2);
  file[256 * 5 + 40] = 0x55;  // data under an empty name
  write(macroPath(), file);
  MacroLibrary library(macroPath());
  ASSERT_TRUE(library.CheckPCMacro().ok());
  EXPECT_EQ(library.names(), (Names{"first", "second"}));
  EXPECT_EQ(library.record(1).data[2], 0xA2);

  // The next save writes them from record 0 on.
  ASSERT_TRUE(library.newMacro("third").ok());
  const Bytes saved = read(macroPath());
  ASSERT_EQ(saved.size(), 25600u);
  EXPECT_EQ(nameAt(saved, 0, 256), "first");
  EXPECT_EQ(nameAt(saved, 1, 256), "second");
  EXPECT_EQ(nameAt(saved, 2, 256), "third");
  EXPECT_TRUE(std::all_of(saved.begin() + 3 * 256, saved.end(), [](auto b) { return b == 0; }));
}

TEST_F(LibraryFolder, NewMacroAndItsRefusals) {
  MacroLibrary library = loaded({"one"});
  const MacroLibraryResult made = library.newMacro("Запись 2");
  ASSERT_TRUE(made.ok());
  EXPECT_EQ(made.selected, 1);
  EXPECT_EQ(nameAt(read(macroPath()), 1, 256), "Запись 2");
  EXPECT_EQ(library.record(1).data, MacroData{});

  const Bytes before = read(macroPath());
  struct Row {
    std::string name;
    MacroLibraryStatus status;
  } rows[] = {
      {"one", MacroLibraryStatus::AlreadyExists},
      {"", MacroLibraryStatus::InvalidName},
      {"seventeen units!!", MacroLibraryStatus::InvalidName},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(library.newMacro(row.name).status, row.status);
  }
  EXPECT_EQ(library.names(), (Names{"one", "Запись 2"}));
  EXPECT_EQ(read(macroPath()), before);
}

TEST_F(LibraryFolder, HundredNamesCloseNewAndNinetyNineCloseImportOne) {
  Names names;
  for (int i = 0; i < 99; ++i) names.push_back("m" + std::to_string(i));
  MacroLibrary library = loaded(names);
  Bytes single(256, 0);
  put<MacroRecord>(single, 0, "imported", 0xA1);
  write(folder / "one.bin", single);

  EXPECT_TRUE(library.canAddNew());
  EXPECT_FALSE(library.canImportOne());
  EXPECT_EQ(library.importOne(folder / "one.bin").status, MacroLibraryStatus::LibraryFull);
  ASSERT_TRUE(library.newMacro("m99").ok());
  EXPECT_FALSE(library.canAddNew());
  EXPECT_EQ(library.newMacro("m100").status, MacroLibraryStatus::LibraryFull);
  EXPECT_EQ(library.size(), 100);
  EXPECT_EQ(nameAt(read(macroPath()), 99, 256), "m99");

  ASSERT_TRUE(library.remove(50).ok());
  EXPECT_TRUE(library.canAddNew());
}

TEST_F(LibraryFolder, RenameRefusesAnotherMacrosName) {
  MacroLibrary library = loaded({"alpha", "beta"});
  EXPECT_EQ(library.rename(0, "beta").status, MacroLibraryStatus::AlreadyExists);
  EXPECT_EQ(library.rename(0, "alpha").status, MacroLibraryStatus::AlreadyExists);
  EXPECT_EQ(library.rename(2, "gamma").status, MacroLibraryStatus::NothingSelected);
  EXPECT_EQ(library.names(), (Names{"alpha", "beta"}));

  const MacroLibraryResult renamed = library.rename(1, "宏");
  ASSERT_TRUE(renamed.ok());
  EXPECT_EQ(renamed.selected, 1);
  const Bytes saved = read(macroPath());
  EXPECT_EQ(nameAt(saved, 1, 256), "宏");
  EXPECT_EQ(saved[256 + 32 + 2], 0xA1);  // the data stays
  EXPECT_EQ(saved[256 + 2], 0);          // no trace of the longer old name
}

TEST_F(LibraryFolder, DeletingRecordZeroOfThreeMovesTheOthersDown) {
  MacroLibrary library = loaded({"a", "b", "c"});
  const MacroLibraryResult removed = library.remove(0);
  ASSERT_TRUE(removed.ok());
  EXPECT_EQ(removed.selected, 0);
  EXPECT_EQ(library.names(), (Names{"b", "c"}));
  const Bytes saved = read(macroPath());
  EXPECT_EQ(saved, macroFile({"b", "c"}));

  EXPECT_EQ(library.remove(1).selected, 0);  // the one before
  EXPECT_EQ(library.remove(0).selected, -1);  // none left
  EXPECT_EQ(read(macroPath()), Bytes(25600, 0));
  EXPECT_EQ(library.remove(0).status, MacroLibraryStatus::NothingSelected);
}

TEST_F(LibraryFolder, ImportOne) {
  MacroLibrary library = loaded({"a"});
  Bytes single(256, 0);
  put<MacroRecord>(single, 0, "from file", 0xB0);
  write(folder / "x.bin", single);
  const MacroLibraryResult imported = library.importOne(folder / "x.bin");
  ASSERT_TRUE(imported.ok());
  EXPECT_EQ(imported.selected, 1);
  EXPECT_EQ(library.names(), (Names{"a", "from file"}));
  EXPECT_EQ(read(macroPath()), [&] {
    Bytes expected = macroFile({"a"});
    std::copy(single.begin(), single.end(), expected.begin() + 256);
    return expected;
  }());

  Bytes shortFile(single.begin(), single.begin() + 40);  // name and 8 data bytes
  shortFile[1] = 'Z';
  write(folder / "short.bin", shortFile);
  ASSERT_TRUE(library.importOne(folder / "short.bin").ok());
  EXPECT_TRUE(std::all_of(library.record(2).data.begin() + 8, library.record(2).data.end(),
                          [](auto b) { return b == 0; }));

  write(folder / "nameless.bin", Bytes(256, 0));
  const Bytes before = read(macroPath());
  EXPECT_EQ(library.importOne(folder / "x.bin").status, MacroLibraryStatus::AlreadyExists);
  EXPECT_EQ(library.importOne(folder / "nameless.bin").status, MacroLibraryStatus::NotAMacro);
  EXPECT_EQ(library.importOne(folder / "missing.bin").status, MacroLibraryStatus::ReadFailed);
  EXPECT_EQ(library.size(), 3);
  EXPECT_EQ(read(macroPath()), before);
}

TEST_F(LibraryFolder, ImportAllReplacesTheLibrary) {
  MacroLibrary library = loaded({"old"});
  Bytes file(256 * 3, 0);  // a short file: the records it lacks are empty
  put<MacroRecord>(file, 0, "n1", 0xA1);
  put<MacroRecord>(file, 2, "n2", 0xA2);
  write(folder / "all.bin", file);
  ASSERT_TRUE(library.importAll(folder / "all.bin").ok());
  EXPECT_EQ(library.names(), (Names{"n1", "n2"}));
  Bytes expected(25600, 0);
  put<MacroRecord>(expected, 0, "n1", 0xA1);
  put<MacroRecord>(expected, 1, "n2", 0xA2);
  EXPECT_EQ(read(macroPath()), expected);
}

TEST_F(LibraryFolder, ExportWritesTheRecordOrTheLibraryUnderTheGivenPath) {
  MacroLibrary library = loaded({"a", "b"});
  ASSERT_TRUE(library.exportOne(1, folder / "x.bin").ok());
  const Bytes all = macroFile({"a", "b"});
  EXPECT_EQ(read(folder / "x.bin"), Bytes(all.begin() + 256, all.begin() + 512));
  ASSERT_TRUE(library.exportAll(folder / "all").ok());
  EXPECT_EQ(read(folder / "all"), all);
  EXPECT_FALSE(fs::exists(folder / "x.bin.bin"));
  EXPECT_EQ(library.exportOne(2, folder / "y.bin").status, MacroLibraryStatus::NothingSelected);
}

TEST_F(LibraryFolder, AFailedWriteLeavesTheOldFileAndTheLibrary) {
  // A name at the length limit of the file system: the file itself can be
  // written, the temporary file beside it cannot.
  const fs::path limit = folder / (std::string(251, 'm') + ".bin");
  const Bytes kept = macroFile({"kept"});
  std::ofstream(limit, std::ios::binary).write(reinterpret_cast<const char*>(kept.data()), kept.size());
  MacroLibrary library(limit);
  ASSERT_TRUE(library.CheckPCMacro().ok());
  const MacroLibraryResult result = library.newMacro("lost");
  EXPECT_EQ(result.status, MacroLibraryStatus::WriteFailed);
  EXPECT_FALSE(result.fileError.empty());
  EXPECT_EQ(library.names(), (Names{"kept"}));
  EXPECT_EQ(read(limit), kept);
  EXPECT_EQ(library.remove(0).status, MacroLibraryStatus::WriteFailed);
  EXPECT_EQ(library.size(), 1);

  // Exports onto a folder or into a missing folder.
  fs::create_directory(folder / "taken");
  EXPECT_EQ(library.exportAll(folder / "taken").status, MacroLibraryStatus::WriteFailed);
  EXPECT_EQ(library.exportOne(0, folder / "no" / "such.bin").status, MacroLibraryStatus::WriteFailed);
  EXPECT_TRUE(fs::is_directory(folder / "taken"));
}

TEST_F(LibraryFolder, AnUnreadableLibraryIsNeverOverwritten) {
  fs::create_directory(macroPath());  // a folder where the file should be
  MacroLibrary library(macroPath());
  EXPECT_EQ(library.CheckPCMacro().status, MacroLibraryStatus::ReadFailed);
  EXPECT_EQ(library.newMacro("x").status, MacroLibraryStatus::NotLoaded);
  EXPECT_TRUE(fs::is_directory(macroPath()));
}

TEST_F(LibraryFolder, DriverLibraryHoldsWholeRecordsInListOrder) {
  Bytes file(2048 * 2 + 100, 0);  // a trailing part record is not read
  put<DriverMacroRecord>(file, 0, "d0", 0xA1);
  put<DriverMacroRecord>(file, 1, "d1", 0xA2);
  write(driverPath(), file);
  DriverMacroLibrary library(driverPath());
  ASSERT_TRUE(library.CheckPCMacro().ok());
  EXPECT_EQ(library.names(), (Names{"d0", "d1"}));
  EXPECT_EQ(library.record(1).data[3], 0xA2);

  ASSERT_TRUE(library.newMacro("d2").ok());
  Bytes saved = read(driverPath());
  ASSERT_EQ(saved.size(), 3u * 2048);
  EXPECT_EQ(nameAt(saved, 2, 2048), "d2");

  ASSERT_TRUE(library.remove(0).ok());
  saved = read(driverPath());
  ASSERT_EQ(saved.size(), 2u * 2048);
  EXPECT_EQ(nameAt(saved, 0, 2048), "d1");
  EXPECT_EQ(saved[32 + 3], 0xA2);

  ASSERT_TRUE(library.exportOne(0, folder / "one").ok());
  EXPECT_EQ(read(folder / "one"), Bytes(saved.begin(), saved.begin() + 2048));
  ASSERT_TRUE(library.importAll(folder / "one").ok());
  EXPECT_EQ(library.names(), (Names{"d1"}));
}

}  // namespace
}  // namespace orva::test
