#include "gui/dialogs/MessageDialog.h"

#include <QMessageBox>

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
