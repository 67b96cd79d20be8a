#pragma once
// The program's message box: the text, one OK button, no icon, titled and
// set in the face of language `languageIndex`. It is modal for the whole
// program but returns at once: the caller's follow-up goes into `onClosed`,
// which runs when the user closes the box (OK, Escape or the window's close
// button). The box deletes itself once closed; the pointer is for looking.

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

namespace orva::gui {

QMessageBox* RefreshFormMessagDialog(const QString& text, int languageIndex, QWidget* parent,
                                     std::function<void()> onClosed = {});

}  // namespace orva::gui
