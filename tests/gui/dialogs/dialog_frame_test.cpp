// The skinned frame of the small dialogs: where it opens, its shape, the
// layout and texts of each language, the buttons' pictures, and which
// buttons close it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "core/skin/Languages.h"
#include "gui/dialogs/DialogFrame.h"
#include "gui/widgets/SkinnedButton.h"
#include "support/PointerEvents.h"

namespace orva::gui {
namespace {

using orva::test::click;
using orva::test::enter;
using orva::test::leave;

constexpr DialogKind kAllKinds[] = {DialogKind::Assembly, DialogKind::MacroName, DialogKind::EditKey,
                                    DialogKind::EditTime, DialogKind::Value};
constexpr int kAllLanguages[] = {1, 2, 3};

const char* name(DialogKind kind) {
  switch (kind) {
    case DialogKind::Assembly: return "combination key";
    case DialogKind::MacroName: return "macro name";
    case DialogKind::EditKey: return "single key";
    case DialogKind::EditTime: return "delay";
    case DialogKind::Value: return "value";
  }
  return "?";
}

// The frame deletes itself on closing; let that happen now.
void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class DialogFrameTest : public ::testing::Test {
 protected:
  DialogFrameTest() { main.setGeometry(100, 100, 1030, 662); }

  DialogFrame* openFrame(DialogKind kind, int language = 1) {
    auto* frame = new DialogFrame(kind, language, &main);
    frame->open();
    return frame;
  }

  QWidget main;  // owns the frames still open at the end
};

TEST_F(DialogFrameTest, OpensOverTheMainWindowAsAFloatingBox) {
  for (DialogKind kind : kAllKinds) {
    SCOPED_TRACE(name(kind));
    DialogFrame* frame = openFrame(kind);
    EXPECT_TRUE(frame->isWindow());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(frame->isModal());
    EXPECT_TRUE(frame->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(frame->size(), QSize(1000, 660));
    EXPECT_EQ(frame->pos(), kind == DialogKind::Assembly ? QPoint(115, 141) : QPoint(115, 101));
    // Only the box is the window; beside it the main window gets the clicks.
    EXPECT_EQ(frame->mask(), QRegion(235, 230, 530, 200));
    frame->close();
  }
}

TEST_F(DialogFrameTest, TakesSizesAndPlacesFromTheLanguagesLayout) {
  for (int language : kAllLanguages) {
    for (DialogKind kind : kAllKinds) {
      SCOPED_TRACE(testing::Message() << name(kind) << ", language " << language);
      DialogFrame* frame = openFrame(kind, language);
      const bool assembly = kind == DialogKind::Assembly;
      EXPECT_EQ(frame->closeButton()->pos(), QPoint(language == 3 ? 710 : 730, 240));
      EXPECT_EQ(frame->closeButton()->size(), QSize(22, 22));
      EXPECT_EQ(frame->confirmButton()->geometry(), QRect(300, 380, 110, 27));
      EXPECT_EQ(frame->clearButton()->geometry(), QRect(540, 380, 110, 27));
      EXPECT_EQ(frame->title()->pos(), assembly ? QPoint(250, 246) : QPoint(250, 240));
      EXPECT_EQ(frame->field()->geometry(), assembly ? QRect(350, 280, 240, 22) : QRect(360, 300, 240, 22));

      EXPECT_EQ(frame->title()->font().pointSize(), 17);
      EXPECT_EQ(frame->field()->font().pointSize(), 15);
      EXPECT_EQ(frame->confirmButton()->font().pointSize(), 13);
      EXPECT_EQ(frame->clearButton()->font().pointSize(), 13);
      EXPECT_EQ(frame->title()->font().bold(), assembly || kind == DialogKind::MacroName);
      const QString face = QString::fromStdString(languageTable(language).fontName());
      for (QWidget* w : std::initializer_list<QWidget*>{frame->title(), frame->field(), frame->confirmButton()}) {
        EXPECT_EQ(w->font().family(), face);
      }
      EXPECT_EQ(frame->title()->palette().color(QPalette::WindowText), QColor(Qt::white));
      EXPECT_EQ(frame->field()->palette().color(QPalette::Base), QColor(Qt::white));
      EXPECT_EQ(frame->field()->palette().color(QPalette::Text), QColor(Qt::black));
      frame->close();
    }
  }
}

TEST_F(DialogFrameTest, TheCombinationKeyDialogHasModifierBoxes) {
  DialogFrame* frame = openFrame(DialogKind::Assembly, 2);
  const std::tuple<DialogFrame::Modifier, QString, QPoint> rows[] = {
      {DialogFrame::Modifier::Ctrl, "Ctrl", {410, 325}},
      {DialogFrame::Modifier::Shift, "Shift", {470, 325}},
      {DialogFrame::Modifier::Alt, "Alt", {350, 325}},
      {DialogFrame::Modifier::Win, "Win", {530, 325}},
  };
  for (const auto& [modifier, caption, position] : rows) {
    const QCheckBox* box = frame->modifierBox(modifier);
    ASSERT_NE(box, nullptr) << caption.toStdString();
    EXPECT_EQ(box->text(), caption);
    EXPECT_EQ(box->pos(), position) << caption.toStdString();
    EXPECT_EQ(box->font().pointSize(), 12);
    EXPECT_EQ(box->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_FALSE(box->isChecked());
  }
  // After a click on a box or on clear the keys go to the field again.
  frame->modifierBox(DialogFrame::Modifier::Alt)->setFocus();
  click(frame->clearButton());
  EXPECT_EQ(frame->focusWidget(), frame->field());

  DialogFrame* other = openFrame(DialogKind::EditKey);
  EXPECT_EQ(other->modifierBox(DialogFrame::Modifier::Ctrl), nullptr);
}

TEST_F(DialogFrameTest, FieldRulesOfEachKind) {
  const std::tuple<DialogKind, bool, int> rows[] = {
      {DialogKind::Assembly, true, 32767},  // keys are captured, not typed
      {DialogKind::EditKey, true, 32767},
      {DialogKind::MacroName, false, 16},
      {DialogKind::EditTime, false, 32767},
      {DialogKind::Value, false, 32767},
  };
  for (const auto& [kind, readOnly, maxLength] : rows) {
    DialogFrame* frame = openFrame(kind);
    EXPECT_EQ(frame->field()->isReadOnly(), readOnly) << name(kind);
    EXPECT_EQ(frame->field()->maxLength(), maxLength) << name(kind);
    EXPECT_EQ(frame->field()->alignment(), Qt::AlignCenter) << name(kind);
    EXPECT_FALSE(frame->field()->hasFrame()) << name(kind);
  }
  DialogFrame* macroName = openFrame(DialogKind::MacroName);
  QTest::keyClicks(macroName->field(), "ABCDEFGHIJKLMNOPQ");
  EXPECT_EQ(macroName->field()->text(), "ABCDEFGHIJKLMNOP") << "a 17th character cannot be typed";
}

TEST_F(DialogFrameTest, CaptionsComeFromTheLanguageTable) {
  struct Row {
    DialogKind kind;
    const char *title, *confirm, *clear;
    QString englishTitle;
  } rows[] = {
      {DialogKind::Assembly, "Str500", "Str501", "Str502", "Assembly Key"},
      {DialogKind::MacroName, "Str510", "Str511", "Str512", "Macro Name"},
      {DialogKind::EditKey, "Str520", "Str511", "Str512", "Input One Key"},
      {DialogKind::EditTime, "Str521", "Str511", "Str512", "Input Delay Time"},
      {DialogKind::Value, "Str523", "Str511", "Str512", "Input Value"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(name(r.kind));
    EXPECT_EQ(openFrame(r.kind, 1)->title()->text(), r.englishTitle);
    DialogFrame* russian = openFrame(r.kind, 2);
    const LanguageTable& table = languageTable(2);
    EXPECT_EQ(russian->title()->text(), QString::fromStdString(table.text(r.title)));
    EXPECT_EQ(russian->confirmButton()->caption(), QString::fromStdString(table.text(r.confirm)));
    EXPECT_EQ(russian->clearButton()->caption(), QString::fromStdString(table.text(r.clear)));
    EXPECT_FALSE(russian->title()->text().isEmpty());
    EXPECT_NE(russian->title()->text(), r.englishTitle);
    EXPECT_GE(russian->title()->width(), russian->title()->sizeHint().width()) << "the title follows its text";
  }
}

TEST_F(DialogFrameTest, ButtonPicturesFollowThePointer) {
  DialogFrame* frame = openFrame(DialogKind::EditTime);
  const std::tuple<const char*, SkinnedButton*, QString> rows[] = {
      {"confirm", frame->confirmButton(), "BtnS"},
      {"clear", frame->clearButton(), "BtnS"},
      {"close", frame->closeButton(), "ExitS"},
  };
  for (const auto& [button, widget, stem] : rows) {
    SCOPED_TRACE(button);
    EXPECT_EQ(widget->shownPicture(), stem + "_01");
    enter(widget);
    EXPECT_EQ(widget->shownPicture(), stem + "_02");
    leave(widget);
    EXPECT_EQ(widget->shownPicture(), stem + "_01");
  }
  // A clicked clear stays pressed until the pointer leaves it.
  enter(frame->clearButton());
  click(frame->clearButton());
  EXPECT_EQ(frame->clearButton()->shownPicture(), "BtnS_03");
  leave(frame->clearButton());
  EXPECT_EQ(frame->clearButton()->shownPicture(), "BtnS_01");
  // Confirm and close show their pressed picture as the dialog goes.
  QSignalSpy confirmed(frame, &DialogFrame::confirmed);
  QObject::connect(frame, &DialogFrame::confirmed, frame,
                   [&] { EXPECT_EQ(frame->confirmButton()->shownPicture(), "BtnS_03"); });
  enter(frame->confirmButton());
  click(frame->confirmButton());
  EXPECT_EQ(confirmed.count(), 1);
}

TEST_F(DialogFrameTest, ConfirmAndCloseBoxCloseClearDoesNot) {
  struct Row {
    const char* button;
    SkinnedButton* (DialogFrame::*widget)() const;
    bool closes;
    int confirmed, cleared, dismissed;
  } rows[] = {
      {"confirm", &DialogFrame::confirmButton, true, 1, 0, 0},
      {"clear", &DialogFrame::clearButton, false, 0, 1, 0},
      {"close box", &DialogFrame::closeButton, true, 0, 0, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.button);
    QPointer<DialogFrame> frame = openFrame(DialogKind::Value);
    frame->field()->setText("-12");
    QSignalSpy confirmed(frame, &DialogFrame::confirmed), cleared(frame, &DialogFrame::cleared),
        dismissed(frame, &DialogFrame::dismissed);
    // What the field held is still there when confirm is handed over.
    QObject::connect(frame, &DialogFrame::confirmed, frame, [&] { EXPECT_EQ(frame->field()->text(), "-12"); });
    click(((*frame).*r.widget)());
    EXPECT_EQ(confirmed.count(), r.confirmed);
    EXPECT_EQ(cleared.count(), r.cleared);
    EXPECT_EQ(dismissed.count(), r.dismissed);
    EXPECT_EQ(frame->isVisible(), !r.closes);
    flushDeletes();
    EXPECT_EQ(frame.isNull(), r.closes) << "a closed frame is gone; the next opening builds a new one";
    if (frame) EXPECT_EQ(frame->field()->text(), "");
  }
}

TEST_F(DialogFrameTest, AReceiverCanRefuseTheConfirm) {
  QPointer<DialogFrame> frame = openFrame(DialogKind::Value);
  frame->field()->setText("-");
  // A lone minus is no number: the dialog keeps it and stays open.
  QObject::connect(frame, &DialogFrame::confirmed, frame, [&] {
    if (frame->field()->text() == "-") frame->keepOpen();
  });
  click(frame->confirmButton());
  flushDeletes();
  ASSERT_FALSE(frame.isNull());
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(frame->field()->text(), "-");

  frame->field()->setText("-5");
  click(frame->confirmButton());
  flushDeletes();
  EXPECT_TRUE(frame.isNull()) << "refusing one confirm does not stick to the next";
}

}  // namespace
}  // namespace orva::gui
