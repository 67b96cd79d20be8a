#include "core/skin/IniFile.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

namespace orva {

namespace {

constexpr unsigned char foldAscii(unsigned char c) noexcept {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

constexpr bool isIniBlank(char c) noexcept { return static_cast<unsigned char>(c) <= 0x20; }

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace

std::string_view trimIniBlanks(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && isIniBlank(text[begin])) ++begin;
  while (end > begin && isIniBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::optional<int> parseIniInt(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::size_t digitsAt = 0;
  if (text[0] == '+' || text[0] == '-') digitsAt = 1;
  if (digitsAt == text.size()) return std::nullopt;
  for (std::size_t i = digitsAt; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  }
  // from_chars takes a leading '-' but not '+'; it reports overflow.
  const char* first = text.data() + (text[0] == '+' ? 1 : 0);
  const char* last = text.data() + text.size();
  int result = 0;
  const auto [ptr, ec] = std::from_chars(first, last, result, 10);
  if (ec != std::errc() || ptr != last) return std::nullopt;
  return result;
}

bool iniNamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldAscii(static_cast<unsigned char>(a[i])) != foldAscii(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::size_t IniFile::NameHash::operator()(std::string_view name) const noexcept {
  // FNV-1a over the case-folded bytes.
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : name) {
    hash ^= foldAscii(static_cast<unsigned char>(c));
    hash *= 1099511628211ull;
  }
  return static_cast<std::size_t>(hash);
}

IniFile IniFile::parse(std::string_view text) {
  IniFile ini;
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      ini.addLine(text);
      break;
    }
    ini.addLine(text.substr(0, end));
    std::size_t next = end + 1;
    if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    text.remove_prefix(next);
  }
  return ini;
}

void IniFile::addLine(std::string_view rawLine) {
  const std::string_view line = trimIniBlanks(rawLine);
  if (line.empty() || line.front() == ';') return;

  if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
    const std::string_view name = trimIniBlanks(line.substr(1, line.size() - 2));
    if (const auto it = sectionIndex_.find(name); it != sectionIndex_.end()) {
      current_ = it->second;
      return;
    }
    current_ = sections_.size();
    sections_.push_back(Section{std::string(name), {}, {}});
    sectionIndex_.emplace(std::string(name), *current_);
    return;
  }

  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos || !current_) return;
  const std::string_view key = trimIniBlanks(line.substr(0, equals));
  if (key.empty()) return;
  Section& section = sections_[*current_];
  if (section.index.contains(key)) return;  // the first occurrence counts
  section.index.emplace(std::string(key), section.entries.size());
  section.entries.push_back(Entry{std::string(key), std::string(trimIniBlanks(line.substr(equals + 1)))});
}

const IniFile::Section* IniFile::findSection(std::string_view section) const {
  const auto it = sectionIndex_.find(section);
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const std::string* IniFile::find(std::string_view section, std::string_view key) const {
  const Section* s = findSection(section);
  if (s == nullptr) return nullptr;
  const auto it = s->index.find(key);
  return it == s->index.end() ? nullptr : &s->entries[it->second].value;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
  if (const std::string* v = find(section, key)) return *v;
  return std::nullopt;
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
  return find(section, key) != nullptr;
}

bool IniFile::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

std::vector<std::string> IniFile::sectionNames() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

const std::vector<IniFile::Entry>& IniFile::entries(std::string_view section) const {
  static const std::vector<Entry> kNone;
  const Section* s = findSection(section);
  return s == nullptr ? kNone : s->entries;
}

}  // namespace orva
