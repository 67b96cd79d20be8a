#include "core/macros/MacroLibrary.h"

#include <algorithm>

#include "core/io/FileIo.h"
#include "core/resources/Resources.h"

namespace orva {

namespace {

template <class Record>
struct LibraryRules;

template <>
struct LibraryRules<MacroRecord> {
  static constexpr int kFileRecords = 100;  // the file always holds this many
  static constexpr int kMaxNames = kFileRecords;
  static constexpr int kImportOneBelow = 99;
  static constexpr bool kCreateWhenMissing = true;
};

template <>
struct LibraryRules<DriverMacroRecord> {
  static constexpr int kFileRecords = 0;  // as many as there are macros
  // No more than a file can be read back with: New stops here too.
  static constexpr int kMaxNames = 9999;
  static constexpr int kImportOneBelow = 9999;
  static constexpr bool kCreateWhenMissing = false;
};

template <class Record>
constexpr std::size_t maxFileBytes() {
  using Rules = LibraryRules<Record>;
  return static_cast<std::size_t>(Rules::kFileRecords ? Rules::kFileRecords : Rules::kMaxNames) * Record::kSize;
}

MacroLibraryResult failure(MacroLibraryStatus status, std::string fileError = {}) {
  MacroLibraryResult result;
  result.status = status;
  result.fileError = std::move(fileError);
  return result;
}

// The whole file: Macro.bin always holds 100 records.
template <class Record>
std::vector<std::uint8_t> libraryFileBytes(const std::vector<Record>& records) {
  const std::size_t count = std::max<std::size_t>(records.size(), LibraryRules<Record>::kFileRecords);
  std::vector<std::uint8_t> bytes(count * Record::kSize, 0);
  for (std::size_t i = 0; i < records.size(); ++i) {
    records[i].toBytes(std::span<std::uint8_t, Record::kSize>(bytes.data() + i * Record::kSize, Record::kSize));
  }
  return bytes;
}

}  // namespace

template <class Record>
std::vector<Record> macroRecordsInUse(std::span<const std::uint8_t> file) {
  using Rules = LibraryRules<Record>;
  const std::size_t count = Rules::kFileRecords ? Rules::kFileRecords
                                                : std::min<std::size_t>(file.size() / Record::kSize, Rules::kMaxNames);
  std::vector<Record> records;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t offset = std::min(i * Record::kSize, file.size());
    Record record = Record::fromBytes(file.subspan(offset, std::min<std::size_t>(Record::kSize, file.size() - offset)));
    if (macroNameInUse(record.name)) records.push_back(record);
  }
  return records;
}

template <class Record>
MacroLibraryResult MacroLibraryOf<Record>::CheckPCMacro() {
  records_.clear();
  loaded_ = false;
  std::error_code ec;
  const bool exists = std::filesystem::exists(file_, ec);
  if (ec) return failure(MacroLibraryStatus::ReadFailed, "cannot look for " + file_.string() + ": " + ec.message());
  if (exists) {
    std::string error;
    const auto bytes = readWholeFile(file_, error, maxFileBytes<Record>());
    if (!bytes) return failure(MacroLibraryStatus::ReadFailed, error);
    records_ = macroRecordsInUse<Record>(*bytes);
    loaded_ = true;
    return {};
  }
  if constexpr (LibraryRules<Record>::kCreateWhenMissing) {
    const auto seed = findResource(kPCMacroDataResource);
    if (!seed) return failure(MacroLibraryStatus::ReadFailed, "the built-in macro library is missing");
    records_ = macroRecordsInUse<Record>(*seed);
    loaded_ = true;
    std::string error;
    if (!writeFileAtomically(file_, libraryFileBytes(records_), error)) {
      return failure(MacroLibraryStatus::WriteFailed, error);
    }
    return {};
  } else {
    loaded_ = true;
    return {};
  }
}

template <class Record>
std::vector<std::string> MacroLibraryOf<Record>::names() const {
  std::vector<std::string> list;
  for (const Record& r : records_) list.push_back(macroNameText(r.name));
  return list;
}

template <class Record>
bool MacroLibraryOf<Record>::canAddNew() const {
  return size() < LibraryRules<Record>::kMaxNames;
}

template <class Record>
bool MacroLibraryOf<Record>::canImportOne() const {
  return size() < LibraryRules<Record>::kImportOneBelow;
}

template <class Record>
MacroLibraryResult MacroLibraryOf<Record>::newMacro(std::string_view text) {
  if (!canAddNew()) return failure(MacroLibraryStatus::LibraryFull);
  Record record;
  if (auto checked = checkName(text, record.name); !checked.ok()) return checked;
  std::vector<Record> records = records_;
  records.push_back(record);
  return save(std::move(records), size());
}

template <class Record>
MacroLibraryResult MacroLibraryOf<Record>::rename(int index, std::string_view text) {
  if (index < 0 || index >= size()) return failure(MacroLibraryStatus::NothingSelected);
  MacroName name;
  if (auto checked = checkName(text, name); !checked.ok()) return checked;
  std::vector<Record> records = records_;
  records[index].name = name;
  return save(std::move(records), index);
}

template <class Record>
MacroLibraryResult MacroLibraryOf<Record>::remove(int index) {
  if (index < 0 || index >= size()) return failure(MacroLibraryStatus::NothingSelected);
  std::vector<Record> records = records_;
  records.erase(records.begin() + index);
  const int selected = records.empty() ? -1 : std::max(index - 1, 0);
  return save(std::move(records), selected);
}

template <class Record>
MacroLibraryResult MacroLibraryOf<Record>::storeData(int index, const typename Record::Data& data) {
  if (index < 0 || index >= size()) return failure(MacroLibraryStatus::NothingSelected);
  std::vector<Record> records = records_;
  records[index].data = data;
  return save(std::move(records), index);
}

template <class Record>
MacroLibraryResult MacroLibraryOf<Record>::importOne(const std::filesystem::path& file) {
  if (!canImportOne()) return failure(MacroLibraryStatus::LibraryFull);
  std::string error;
  const auto bytes = readWholeFile(file, error, Record::kSize);
  if (!bytes) return failure(MacroLibraryStatus::ReadFailed, error);
  const Record record = Record::fromBytes(*bytes);
  if (!macroNameInUse(record.name)) return failure(MacroLibraryStatus::NotAMacro);
  if (nameTaken(record.name)) return failure(MacroLibraryStatus::AlreadyExists);
  std::vector<Record> records = records_;
  records.push_back(record);
  return save(std::move(records), size());
}

template <class Record>
MacroLibraryResult MacroLibraryOf<Record>::importAll(const std::filesystem::path& file) {
  std::string error;
  const auto bytes = readWholeFile(file, error, maxFileBytes<Record>());
  if (!bytes) return failure(MacroLibraryStatus::ReadFailed, error);
  return save(macroRecordsInUse<Record>(*bytes), -1);
}

template <class Record>
MacroLibraryResult MacroLibraryOf<Record>::exportOne(int index, const std::filesystem::path& file) const {
  if (index < 0 || index >= size()) return failure(MacroLibraryStatus::NothingSelected);
  std::array<std::uint8_t, Record::kSize> bytes;
  records_[index].toBytes(bytes);
  std::string error;
  if (!writeFileAtomically(file, bytes, error)) return failure(MacroLibraryStatus::WriteFailed, error);
  return {};
}

template <class Record>
MacroLibraryResult MacroLibraryOf<Record>::exportAll(const std::filesystem::path& file) const {
  std::string error;
  if (!writeFileAtomically(file, libraryFileBytes(records_), error)) {
    return failure(MacroLibraryStatus::WriteFailed, error);
  }
  return {};
}

template <class Record>
MacroLibraryResult MacroLibraryOf<Record>::save(std::vector<Record> records, int selected) {
  if (!loaded_) return failure(MacroLibraryStatus::NotLoaded);
  std::string error;
  if (!writeFileAtomically(file_, libraryFileBytes(records), error)) {
    return failure(MacroLibraryStatus::WriteFailed, error);
  }
  records_ = std::move(records);
  MacroLibraryResult result;
  result.selected = selected;
  return result;
}

template <class Record>
MacroLibraryResult MacroLibraryOf<Record>::checkName(std::string_view text, MacroName& name) const {
  const auto converted = MacroNameStrToUnicode(text);
  if (!converted) return failure(MacroLibraryStatus::InvalidName);
  if (nameTaken(*converted)) return failure(MacroLibraryStatus::AlreadyExists);
  name = *converted;
  return {};
}

template <class Record>
bool MacroLibraryOf<Record>::nameTaken(const MacroName& name) const {
  return std::ranges::any_of(records_, [&](const Record& r) { return r.name == name; });
}

template class MacroLibraryOf<MacroRecord>;
template class MacroLibraryOf<DriverMacroRecord>;
template std::vector<MacroRecord> macroRecordsInUse<MacroRecord>(std::span<const std::uint8_t>);
template std::vector<DriverMacroRecord> macroRecordsInUse<DriverMacroRecord>(std::span<const std::uint8_t>);

}  // namespace orva
