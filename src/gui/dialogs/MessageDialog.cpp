#include "gui/dialogs/MessageDialog.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

#include "core/skin/Languages.h"

namespace orva::gui {

QMessageBox* RefreshFormMessagDialog(const QString& text, int languageIndex, QWidget* parent,
                                     std::function<void()> onClosed) {
  const LanguageTable& table = languageTable(languageIndex);
  // Texts are joined with carriage returns in places; every break is a line.
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));

  auto* box = new QMessageBox(QMessageBox::NoIcon, QString::fromStdString(table.title()), lines, QMessageBox::Ok,
                              parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  // Plain text: a message is never read as markup, and its breaks stay.
  box->setTextFormat(Qt::PlainText);
  // In the colours of the skin rather than the desktop's.
  box->setStyleSheet(
      "QMessageBox { background: #1b1e24; border: 1px solid #2f8fb8; }"
      "QLabel { color: #e4e8ee; }"
      "QPushButton { color: #e4e8ee; background: #262b33; border: 1px solid #2f8fb8; border-radius: 3px;"
      " padding: 4px 18px; min-width: 60px; }"
      "QPushButton:hover { background: #1f4a5e; }");
  box->button(QMessageBox::Ok)->setIcon(QIcon());
  QFont font = box->font();
  font.setFamily(QString::fromStdString(table.fontName()));
  box->setFont(font);
  if (onClosed) QObject::connect(box, &QMessageBox::finished, box, [run = std::move(onClosed)] { run(); });
  // Modal for the whole program, as the device messages must be answered
  // first, yet shown without a nested event loop: the caller carries on.
  box->setWindowModality(Qt::ApplicationModal);
  box->show();
  return box;
}

}  // namespace orva::gui
