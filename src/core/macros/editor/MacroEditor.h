#pragma once
// The macro being edited: its header line (the delay mode) and its event
// lines, shown one entry per line, with the selected entry. Every operation
// that returns Done changed the lines; the caller then runs EncodeMacro on
// lines() and saves the library.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/macros/editor/EditKind.h"

namespace orva {

enum class EditResult {
  Done,
  NoSelection,
  NotEditable,  // the entry is not of the kind being edited (or is gone)
  OutOfRange,   // a value no line of that kind can hold
  BadKeyText,   // not "name CODE:" followed by four hex digits
  NoRoom,       // the macro would grow beyond its byte budget
};

// The items of the insert panel's action list, in their order.
enum class InsertAction { DelayFront, DelayBack, KeyFront, KeyBack, XAxisFront, XAxisBack, YAxisFront, YAxisBack };

struct EditTarget {
  int index;
  EditKind kind;
};

class MacroEditor {
 public:
  explicit MacroEditor(int MacroByteBudget) : budget_(MacroByteBudget) {}

  int byteBudget() const { return budget_; }

  // The lines DecodeMacro made (line 0 the header); the selection is cleared.
  void load(const std::vector<std::string>& lines);
  // No macro shown.
  void clear() { load({}); }
  // A new recording: the events are dropped, the header replaced.
  void startOver(std::string header);

  // Header and event lines, as EncodeMacro takes them; empty when no macro is shown.
  std::vector<std::string> lines() const;
  const std::string& header() const { return header_; }
  const std::vector<std::string>& entries() const { return entries_; }
  int entryCount() const { return static_cast<int>(entries_.size()); }
  int contentBytes() const;

  std::optional<int> selectedEntry() const { return selected_; }
  // An entry outside the list clears the selection.
  void select(std::optional<int> entry);

  // Puts a line in as entry `index` (0..entryCount) and selects it; the
  // recorder places its lines with this.
  void insertEntry(int index, std::string line);

  // Remembers the selected entry and its kind for the dialog that edits it
  // (EditIndex, EditKind); nothing without a selection or for an entry that
  // cannot be edited.
  std::optional<EditTarget> beginEdit();
  // The dialog's result replaces the remembered line, which stays selected.
  EditResult editDelay(int ms);
  EditResult editKey(std::string_view keyText);
  EditResult editValue(int value);  // a movement, or a repetition count 1..255

  // Deletes the selected entry; a press takes its release with it and a
  // release its press.
  EditResult deleteSelected();

  // The insert panel: opening remembers the macro, OK carries the chosen
  // action out and forgets it, Cancel brings it back (dropping keys recorded
  // into it meanwhile).
  EditResult openInsertPanel();
  bool insertPanelOpen() const { return beforeInsert_.has_value(); }
  EditResult confirmInsert(InsertAction action, int value);
  void cancelInsert();

 private:
  struct Snapshot {
    std::string header;
    std::vector<std::string> entries;
    std::optional<int> selected;
  };

  bool editedStillThere() const;
  EditResult replaceEdited(std::string line);
  EditResult insertBeside(bool after, std::string line);
  std::optional<int> partnerOf(int index) const;

  int budget_;
  std::string header_;
  std::vector<std::string> entries_;
  std::optional<int> selected_;
  std::optional<EditTarget> edited_;
  std::optional<Snapshot> beforeInsert_;
};

}  // namespace orva
