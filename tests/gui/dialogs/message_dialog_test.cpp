// The program's message box: its title, face and text, and that it leaves
// the caller running and calls back when it is closed.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "core/skin/Languages.h"
#include "gui/dialogs/MessageDialog.h"

namespace orva::gui {
namespace {

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QString shownText(const QMessageBox* box) { return box->findChild<QLabel*>("qt_msgbox_label")->text(); }

class MessageDialogTest : public ::testing::Test {
 protected:
  QWidget main;
};

TEST_F(MessageDialogTest, TitleAndFaceOfTheLanguage) {
  for (int language : {1, 2, 3}) {
    const LanguageTable& table = languageTable(language);
    QPointer<QMessageBox> box = RefreshFormMessagDialog("Fail", language, &main);
    EXPECT_EQ(box->windowTitle(), QString::fromStdString(table.title())) << language;
    EXPECT_FALSE(box->windowTitle().isEmpty()) << language;
    EXPECT_EQ(box->font().family(), QString::fromStdString(table.fontName())) << language;
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    box->button(QMessageBox::Ok)->click();
  }
}

TEST_F(MessageDialogTest, ShowsTheTextAsPlainLines) {
  const std::pair<QString, QString> rows[] = {
      // two texts joined with carriage returns, as the device-lost message is
      {"Device not found\r\rPlease reconnect", "Device not found\n\nPlease reconnect"},
      {"one\r\ntwo\nthree", "one\ntwo\nthree"},
      {"<b>Fail</b>", "<b>Fail</b>"},  // never read as markup
  };
  for (const auto& [text, shown] : rows) {
    QMessageBox* box = RefreshFormMessagDialog(text, 1, &main);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(shownText(box), shown);
    box->button(QMessageBox::Ok)->click();
  }
}

TEST_F(MessageDialogTest, ReturnsAtOnceAndCallsBackWhenClosed) {
  int closed = 0;
  QPointer<QMessageBox> box = RefreshFormMessagDialog("Please keep a Left Key", 1, &main, [&] { ++closed; });
  // Reaching this line at all shows the call did not wait for the user.
  ASSERT_FALSE(box.isNull());
  EXPECT_TRUE(box->isVisible());
  EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(closed, 0);

  box->button(QMessageBox::Ok)->click();
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(box->isVisible());
  flushDeletes();
  EXPECT_TRUE(box.isNull()) << "a closed box is gone";
  EXPECT_EQ(closed, 1);
}

TEST_F(MessageDialogTest, EscapeAlsoCallsBack) {
  int closed = 0;
  QMessageBox* box = RefreshFormMessagDialog("Fail", 1, nullptr, [&] { ++closed; });
  box->reject();
  EXPECT_EQ(closed, 1);
  flushDeletes();
}

}  // namespace
}  // namespace orva::gui
