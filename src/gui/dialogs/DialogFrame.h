#pragma once
// The skinned frame that the five small dialogs share: a borderless window
// above everything that is only the dark box of the "Msg" picture (clicks
// beside the box reach the main window), with a title, one edit field,
// confirm and clear buttons, a close box and, for the combination-key
// dialog, four modifier boxes. Positions, sizes and colours come from the
// layout of the dialog's language and the captions from its language table,
// both read once when the frame is built: a later language switch leaves an
// open dialog alone, the next one opened shows the new language.
//
// Every opening builds a new frame; it deletes itself when it closes, so no
// one else deletes it (a receiver that must end it calls close()). What
// the field accepts and what confirm hands over is the business of the
// dialog that uses the frame: it connects to the signals below.

#include <QPixmap>
#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace orva::gui {

class SkinnedButton;

enum class DialogKind { Assembly, MacroName, EditKey, EditTime, Value };

class DialogFrame : public QWidget {
  Q_OBJECT

 public:
  // The modifier boxes of the combination-key dialog, in the order of their
  // bits in the modifier byte.
  enum class Modifier { Ctrl, Shift, Alt, Win };

  // Builds the frame of `kind` in language `languageIndex` (1..3), placed
  // over `mainWindow` as it stands now. Hidden until open().
  DialogFrame(DialogKind kind, int languageIndex, QWidget* mainWindow);

  // Shows the frame above everything, not modal, with the focus in the field.
  void open();

  // A receiver of confirmed() that refuses the input calls this during the
  // signal: the dialog then stays open.
  void keepOpen() { keepOpen_ = true; }

  DialogKind kind() const { return kind_; }
  QLabel* title() const { return title_; }
  QLineEdit* field() const { return field_; }
  SkinnedButton* confirmButton() const { return confirm_; }
  SkinnedButton* clearButton() const { return clear_; }
  SkinnedButton* closeButton() const { return close_; }
  // Null except in the combination-key dialog.
  QCheckBox* modifierBox(Modifier modifier) const { return modifiers_[static_cast<int>(modifier)]; }

 signals:
  // Confirm was clicked; the frame closes afterwards unless a receiver called
  // keepOpen().
  void confirmed();
  // Clear was clicked: the field has been emptied and has the focus again.
  void cleared();
  // The close box was clicked: nothing is handed over; the frame closes.
  void dismissed();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void applyLayoutAndLanguage(int languageIndex);
  void confirm();

  DialogKind kind_;
  QPixmap background_;
  bool keepOpen_ = false;
  QLabel* title_;
  QLineEdit* field_;
  SkinnedButton* confirm_;
  SkinnedButton* clear_;
  SkinnedButton* close_;
  std::array<QCheckBox*, 4> modifiers_{};
};

}  // namespace orva::gui
