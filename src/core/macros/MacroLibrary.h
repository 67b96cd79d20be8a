#pragma once
// The PC-side macro libraries and their files:
//   MacroLibrary        "Macro.bin", always 100 MacroRecords (25,600 bytes)
//   DriverMacroLibrary  "Driver_Macro.bin", one DriverMacroRecord per macro
// The library holds the records in use, in file order, so that list item i
// is record i; records without a name are dropped when a file is read and
// written back as empty records (Macro.bin) or not at all. Every change is
// saved at once by an atomic rewrite of the whole file; when the save fails
// the library and the file both stay as they were.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/macros/MacroRecord.h"

namespace orva {

inline constexpr std::string_view kMacroLibraryFileName = "Macro.bin";
inline constexpr std::string_view kDriverMacroLibraryFileName = "Driver_Macro.bin";
inline constexpr std::string_view kPCMacroDataResource = "PCMacroData";

enum class MacroLibraryStatus {
  Done,
  NothingSelected,  // no list item with that index
  LibraryFull,      // the name limit of the operation is reached
  AlreadyExists,    // another macro has that name ("Str106")
  InvalidName,      // empty, not UTF-8 or longer than 16 UTF-16 code units
  NotAMacro,        // an imported record without a name
  NotLoaded,        // the library file could not be read at start: changes would lose it
  ReadFailed,       // see `fileError`
  WriteFailed,      // see `fileError`; nothing changed
};

struct MacroLibraryResult {
  MacroLibraryStatus status = MacroLibraryStatus::Done;
  int selected = -1;  // the list item to select afterwards; -1: none
  std::string fileError;

  bool ok() const { return status == MacroLibraryStatus::Done; }
};

// The records in use of a library file's bytes (short files read as padded
// with zeros): 100 records of Macro.bin, or every whole driver record.
template <class Record>
std::vector<Record> macroRecordsInUse(std::span<const std::uint8_t> file);

template <class Record>
class MacroLibraryOf {
 public:
  explicit MacroLibraryOf(std::filesystem::path file) : file_(std::move(file)) {}

  // Start-up load. A missing Macro.bin is created from the built-in empty
  // library; a missing Driver_Macro.bin leaves the library empty and creates
  // nothing. A file that exists but cannot be read leaves the library empty
  // and refuses every change (NotLoaded) so it is never overwritten.
  MacroLibraryResult CheckPCMacro();

  // The names of the list, in record order.
  std::vector<std::string> names() const;
  int size() const { return static_cast<int>(records_.size()); }
  const Record& record(int index) const { return records_.at(index); }
  const std::vector<Record>& records() const { return records_; }

  // Whether New and Import one are open at the current count.
  bool canAddNew() const;
  bool canImportOne() const;

  MacroLibraryResult newMacro(std::string_view name);
  MacroLibraryResult rename(int index, std::string_view name);
  MacroLibraryResult remove(int index);
  // The editor's save of a changed macro.
  MacroLibraryResult storeData(int index, const typename Record::Data& data);

  // Import one appends the record at the start of `file` (a short file reads
  // as padded with zeros); Import all replaces the library with the file's.
  MacroLibraryResult importOne(const std::filesystem::path& file);
  MacroLibraryResult importAll(const std::filesystem::path& file);
  // `file` is the final path; nothing is appended to it.
  MacroLibraryResult exportOne(int index, const std::filesystem::path& file) const;
  MacroLibraryResult exportAll(const std::filesystem::path& file) const;

 private:
  MacroLibraryResult save(std::vector<Record> records, int selected);
  MacroLibraryResult checkName(std::string_view text, MacroName& name) const;
  bool nameTaken(const MacroName& name) const;

  std::filesystem::path file_;
  std::vector<Record> records_;
  bool loaded_ = false;
};

using MacroLibrary = MacroLibraryOf<MacroRecord>;
using DriverMacroLibrary = MacroLibraryOf<DriverMacroRecord>;

}  // namespace orva
