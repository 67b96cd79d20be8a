#include "core/macros/editor/MacroEditor.h"

#include <algorithm>
#include <cctype>

#include "core/macros/MacroEventLine.h"
#include "core/macros/MacroOptions.h"
#include "core/macros/editor/EntryText.h"
#include "core/macros/editor/FieldRules.h"
#include "core/macros/editor/LineBytes.h"

namespace orva {

namespace {

constexpr std::string_view kCodeMark = " CODE:";
constexpr std::size_t kCodeDigits = 4;

bool isKeyLine(std::optional<EditKind> kind) { return kind == EditKind::Press || kind == EditKind::Release; }

bool isKeyText(std::string_view text) {
  if (text.size() < kCodeMark.size() + kCodeDigits) return false;
  const std::string_view code = text.substr(text.size() - kCodeDigits);
  const bool hexDigits = std::all_of(code.begin(), code.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F');
  });
  return hexDigits && text.substr(text.size() - kCodeDigits - kCodeMark.size(), kCodeMark.size()) == kCodeMark;
}

std::optional<std::string> moveLineFor(EditKind kind, int value) {
  if (value < kMoveFieldRule.minimum || value > kMoveFieldRule.maximum) return std::nullopt;
  return moveLine(kind == EditKind::MoveX ? kEventMoveX : kEventMoveY, static_cast<std::uint8_t>(value));
}

}  // namespace

void MacroEditor::load(const std::vector<std::string>& lines) {
  header_ = lines.empty() ? std::string() : lines.front();
  entries_.assign(lines.empty() ? lines.end() : lines.begin() + 1, lines.end());
  selected_.reset();
  edited_.reset();
  beforeInsert_.reset();
}

void MacroEditor::startOver(std::string header) {
  load({});
  header_ = std::move(header);
}

std::vector<std::string> MacroEditor::lines() const {
  if (header_.empty()) return {};
  std::vector<std::string> all{header_};
  all.insert(all.end(), entries_.begin(), entries_.end());
  return all;
}

int MacroEditor::contentBytes() const { return contentByteCount(entries_); }

void MacroEditor::select(std::optional<int> entry) {
  selected_ = (entry && *entry >= 0 && *entry < entryCount()) ? entry : std::nullopt;
}

void MacroEditor::insertEntry(int index, std::string line) {
  index = std::clamp(index, 0, entryCount());
  entries_.insert(entries_.begin() + index, std::move(line));
  selected_ = index;
  edited_.reset();
}

std::optional<EditTarget> MacroEditor::beginEdit() {
  edited_.reset();
  if (!selected_) return std::nullopt;
  if (const auto kind = editKindOf(entries_[*selected_])) edited_ = EditTarget{*selected_, *kind};
  return edited_;
}

// The dialogs do not block the list, so the remembered entry is checked again
// when a dialog confirms.
bool MacroEditor::editedStillThere() const {
  return edited_ && edited_->index < entryCount() && editKindOf(entries_[edited_->index]) == edited_->kind;
}

EditResult MacroEditor::replaceEdited(std::string line) {
  entries_[edited_->index] = std::move(line);
  selected_ = edited_->index;
  return EditResult::Done;
}

EditResult MacroEditor::editDelay(int ms) {
  if (!editedStillThere() || edited_->kind != EditKind::Delay) return EditResult::NotEditable;
  if (ms < 0 || ms > kMaxDelayPairMs) return EditResult::OutOfRange;
  return replaceEdited(delayLine(ms));
}

EditResult MacroEditor::editKey(std::string_view keyText) {
  if (!editedStillThere() || !isKeyLine(edited_->kind)) return EditResult::NotEditable;
  if (!isKeyText(keyText)) return EditResult::BadKeyText;
  return replaceEdited((edited_->kind == EditKind::Press ? "1 " : "2 ") + std::string(keyText));
}

EditResult MacroEditor::editValue(int value) {
  if (!editedStillThere()) return EditResult::NotEditable;
  switch (edited_->kind) {
    case EditKind::MoveX:
    case EditKind::MoveY: {
      auto line = moveLineFor(edited_->kind, value);
      return line ? replaceEdited(std::move(*line)) : EditResult::OutOfRange;
    }
    case EditKind::RepeatStart:
      // The count byte holds passes - 1, and 0xFF means endless: 0 passes has no form.
      if (value < kMinRepeatCount || value > kMaxRepeatCount) return EditResult::OutOfRange;
      return replaceEdited(repeatStartLine(static_cast<std::uint8_t>(value - 1)));
    default:
      return EditResult::NotEditable;
  }
}

// A press pairs with the next release of the same key, a release with the
// previous press; another press (or release) of that key on the way means
// the line has no partner.
std::optional<int> MacroEditor::partnerOf(int index) const {
  const auto kind = editKindOf(entries_[index]);
  if (!isKeyLine(kind)) return std::nullopt;
  const std::string name = lineKeyName(entries_[index]);
  const int step = kind == EditKind::Press ? 1 : -1;
  for (int i = index + step; i >= 0 && i < entryCount(); i += step) {
    const auto other = editKindOf(entries_[i]);
    if (!isKeyLine(other) || lineKeyName(entries_[i]) != name) continue;
    return other != kind ? std::optional<int>(i) : std::nullopt;
  }
  return std::nullopt;
}

EditResult MacroEditor::deleteSelected() {
  if (!selected_) return EditResult::NoSelection;
  const int index = *selected_;
  const auto partner = partnerOf(index);
  const int first = partner ? std::min(index, *partner) : index;
  const int last = partner ? std::max(index, *partner) : index;
  entries_.erase(entries_.begin() + last);
  if (first != last) entries_.erase(entries_.begin() + first);
  // The entry that stood before the deleted one; with a press above it, that
  // entry has moved up one more place.
  const int before = (partner && *partner < index) ? index - 2 : index - 1;
  selected_ = entries_.empty() ? std::nullopt : std::optional<int>(std::max(before, 0));
  edited_.reset();
  return EditResult::Done;
}

EditResult MacroEditor::openInsertPanel() {
  if (!selected_) return EditResult::NoSelection;
  beforeInsert_ = Snapshot{header_, entries_, selected_};
  return EditResult::Done;
}

EditResult MacroEditor::insertBeside(bool after, std::string line) {
  if (!selected_) return EditResult::NoSelection;
  if (contentBytes() + lineByteCount(line) > budget_) return EditResult::NoRoom;
  insertEntry(*selected_ + (after ? 1 : 0), std::move(line));
  return EditResult::Done;
}

EditResult MacroEditor::confirmInsert(InsertAction action, int value) {
  EditResult result = EditResult::Done;
  switch (action) {
    case InsertAction::DelayFront:
    case InsertAction::DelayBack:
      result = (value < 0 || value > kMaxDelayPairMs)
                   ? EditResult::OutOfRange
                   : insertBeside(action == InsertAction::DelayBack, delayLine(value));
      break;
    case InsertAction::KeyFront:
    case InsertAction::KeyBack:
      break;  // the insert recording has placed the keys already
    case InsertAction::XAxisFront:
    case InsertAction::XAxisBack:
    case InsertAction::YAxisFront:
    case InsertAction::YAxisBack: {
      const bool x = action == InsertAction::XAxisFront || action == InsertAction::XAxisBack;
      auto line = moveLineFor(x ? EditKind::MoveX : EditKind::MoveY, value);
      const bool after = action == InsertAction::XAxisBack || action == InsertAction::YAxisBack;
      result = line ? insertBeside(after, std::move(*line)) : EditResult::OutOfRange;
      break;
    }
  }
  if (result == EditResult::Done) beforeInsert_.reset();
  return result;
}

void MacroEditor::cancelInsert() {
  if (!beforeInsert_) return;
  header_ = std::move(beforeInsert_->header);
  entries_ = std::move(beforeInsert_->entries);
  selected_ = beforeInsert_->selected;
  edited_.reset();
  beforeInsert_.reset();
}

}  // namespace orva
