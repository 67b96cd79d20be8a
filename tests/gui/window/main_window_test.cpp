// The main window with and without a mouse: the no-device state and its
// dialogs, page switching behind the device gate, the cycles on the
// buttons, and switching languages.
#include <gtest/gtest.h>

#include "WindowRig.h"
#include "core/io/FileIo.h"
#include "gui/pages/PageGroup.h"
#include "gui/pages/profile/ProfilePage.h"
#include "support/PointerEvents.h"
#include "support/TempFolder.h"

namespace orva::gui::test {
namespace {

using orva::test::click;
using orva::test::enter;
using orva::test::leave;

const QString kDeviceLost = "Please Connect the USB Device\n\nPlease check your device is attached to USB port";
const QString kNoDevice = "Finding the specified device";

SkinnedButton* pageButton(MainWindow& w, CommonAction action) { return w.buttons().button(action); }

TEST(MainWindowWithoutMouse, ShowsTheDefaultsCoveredWithTheDeviceLostDialog) {
  WindowRig rig(/*plugged=*/false);
  ASSERT_TRUE(rig.firstPoll());
  EXPECT_EQ(WindowRig::messageTexts(), QStringList{kDeviceLost});
  MainWindow& w = *rig.window;
  EXPECT_TRUE(w.covered());
  EXPECT_TRUE(w.NoDeviceState());
  EXPECT_EQ(w.profilePage().keyCaption(1), "Left Click");  // default image 1
  // The cover lies over the page's controls, the common buttons over it.
  const auto topAt = [&](QWidget* control) { return w.childAt(control->geometry().center())->objectName(); };
  EXPECT_EQ(topAt(w.profilePage().key(1)), "Disable_All");
  EXPECT_EQ(topAt(w.buttons().button(CommonAction::Apply)), "Btn_Apply");
  EXPECT_TRUE(w.controller().DevTimer().isActive());
  EXPECT_FALSE(w.controller().DevTimerFirst().isActive());
}

TEST(MainWindowWithoutMouse, EveryDeviceButtonAnswersFindingTheDevice) {
  WindowRig rig(false);
  ASSERT_TRUE(rig.firstPoll());
  WindowRig::closeMessages();
  MainWindow& w = *rig.window;
  const CommonAction actions[] = {CommonAction::PageBreath, CommonAction::PageAdv, CommonAction::Read,
                                  CommonAction::Apply,      CommonAction::Confirm, CommonAction::Default2,
                                  CommonAction::Save,       CommonAction::Load};
  for (CommonAction action : actions) {
    SCOPED_TRACE(static_cast<int>(action));
    click(pageButton(w, action));
    QTRY_COMPARE_WITH_TIMEOUT(WindowRig::messageTexts(), QStringList{kNoDevice}, 2000);
    WindowRig::closeMessages();
    EXPECT_EQ(w.currentPage(), Page::Profile1);
    EXPECT_TRUE(w.group(0).isVisible());
    EXPECT_TRUE(w.isVisible());  // Confirm did not close the window
  }
}

TEST(MainWindowWithMouse, ReadsTheMouseWhenItAppearsAndUncovers) {
  VirtualMouse::Memory memory = *builtInDefaultImage(1);
  WindowRig rig(true, shippedSettings(), {}, memory);
  ASSERT_TRUE(rig.firstPoll());
  MainWindow& w = *rig.window;
  EXPECT_TRUE(WindowRig::messages().isEmpty());
  EXPECT_FALSE(w.covered());
  EXPECT_FALSE(w.NoDeviceState());
  EXPECT_EQ(w.childAt(w.profilePage().key(1)->geometry().center()), w.profilePage().key(1));
  EXPECT_TRUE(w.controller().mouseOpen());
  EXPECT_EQ(w.profilePage().keyCaption(1), "Left Click");
  EXPECT_EQ(w.profilePage().keyCaption(2), "Middle Click");
}

TEST(MainWindowWithMouse, PageButtonsSwitchGroupsAndMarkTheCurrentPage) {
  WindowRig rig(true);
  ASSERT_TRUE(rig.firstPoll());
  MainWindow& w = *rig.window;
  struct Row {
    CommonAction button;
    Page page;
    int group;
  };
  const Row rows[] = {{CommonAction::PageBreath, Page::Led, 2},
                      {CommonAction::PageAdv, Page::Advanced, 1},
                      {CommonAction::PageMacro, Page::Macro, 3},
                      {CommonAction::PageSecond, Page::Profile2, 0},
                      {CommonAction::PageMain, Page::Profile1, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.page));
    click(pageButton(w, row.button));
    EXPECT_EQ(w.currentPage(), row.page);
    for (int g = 0; g < 5; ++g) EXPECT_EQ(w.group(g).isVisible(), g == row.group) << "group " << g;
    EXPECT_EQ(pageButton(w, row.button)->shownPicture(), "SetS_03");
    // Hovering another page button and leaving it keeps the current one marked.
    SkinnedButton* other = pageButton(w, row.button == CommonAction::PageAdv ? CommonAction::PageMain
                                                                              : CommonAction::PageAdv);
    enter(other);
    EXPECT_EQ(other->shownPicture(), "SetS_02");
    leave(other);
    EXPECT_EQ(other->shownPicture(), "SetS_01");
    EXPECT_EQ(pageButton(w, row.button)->shownPicture(), "SetS_03");
  }
  EXPECT_EQ(w.controller().state().model.cb_KeyMode, 0);
  click(pageButton(w, CommonAction::PageSecond));
  EXPECT_EQ(w.controller().state().model.cb_KeyMode, 1);
}

TEST(MainWindowWithMouse, ApplyWritesTheLongPressOptionToTheMouse) {
  WindowRig rig(true);
  ASSERT_TRUE(rig.firstPoll());
  MainWindow& w = *rig.window;
  const bool before = w.controller().state().model.cb_MidPress;
  QWidget* option = w.profilePage().findChild<QWidget*>("IB_ComboKey1");
  ASSERT_NE(option, nullptr);
  QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(w.controller().state().model.cb_MidPress, !before);
  EXPECT_EQ(w.profilePage().optionPicture(1), before ? "CbS_D" : "CbS_E");
  click(pageButton(w, CommonAction::Apply));
  ASSERT_TRUE(rig.waitFor(CycleKind::Apply));
  EXPECT_TRUE(WindowRig::messages().isEmpty());
  EXPECT_EQ((rig.mouse->memory()[1] & 1) != 0, !before);
  EXPECT_FALSE(w.covered());
}

TEST(MainWindowWithMouse, AMouseThatIsNotReadyStaysCoveredAndApplySaysFail) {
  VirtualFaults notReady;
  notReady.status = 0x55;
  WindowRig rig(true, shippedSettings(), notReady);
  ASSERT_TRUE(rig.firstPoll());
  MainWindow& w = *rig.window;
  EXPECT_TRUE(WindowRig::messages().isEmpty());  // the check ends silently
  EXPECT_TRUE(w.covered());
  click(pageButton(w, CommonAction::Apply));
  ASSERT_TRUE(rig.waitFor(CycleKind::Apply));
  EXPECT_EQ(WindowRig::messageTexts(), QStringList{"Fail"});
}

TEST(MainWindowWithMouse, AForeignIdentityIsRefusedAndLeftUnread) {
  VirtualMouse::Memory memory = *builtInDefaultImage(1);
  memory[54] = 1;
  memory[55] = 2;
  WindowRig rig(true, shippedSettings(), {}, memory);
  ASSERT_TRUE(rig.firstPoll());
  MainWindow& w = *rig.window;
  EXPECT_EQ(WindowRig::messageTexts(), QStringList{"The mouse manufacturer or product id error"});
  EXPECT_TRUE(w.covered());
  EXPECT_TRUE(w.NoDeviceState());
  // The poll waits for the message to be closed.
  EXPECT_FALSE(w.controller().DevTimer().isActive());
  WindowRig::closeMessages();
  EXPECT_TRUE(w.controller().DevTimer().isActive());
}

TEST(MainWindowWithMouse, LoadWritesTheFileAndSaveWritesTheMouse) {
  orva::test::TempFolder folder;
  WindowRig rig(true);
  ASSERT_TRUE(rig.firstPoll());
  MainWindow& w = *rig.window;
  Image image = *builtInDefaultImage(2);  // differs from image 1 in four bytes
  std::string error;
  ASSERT_TRUE(writeFileAtomically(folder / "two.bin", image, error)) << error;
  w.controller().Load(folder / "two.bin");
  ASSERT_TRUE(rig.waitFor(CycleKind::Load));
  EXPECT_TRUE(WindowRig::messages().isEmpty());
  EXPECT_TRUE(std::equal(image.begin(), image.end(), rig.mouse->memory().begin()));

  w.controller().Save(folder / "saved");
  ASSERT_TRUE(rig.waitFor(CycleKind::Save));
  const auto saved = readWholeFile(folder / "saved.bin", error, kImageSize);
  ASSERT_TRUE(saved) << error;
  EXPECT_TRUE(std::equal(saved->begin(), saved->end(), image.begin()));
}

TEST(MainWindowWithMouse, ResetWritesTheFactoryImageWhole) {
  WindowRig rig(true, shippedSettings(), {}, *builtInDefaultImage(2));
  ASSERT_TRUE(rig.firstPoll());
  MainWindow& w = *rig.window;
  w.controller().state().model.cb_MidPress = !w.controller().state().model.cb_MidPress;  // an edit Reset replaces
  click(pageButton(w, CommonAction::Default1));
  ASSERT_TRUE(rig.waitFor(CycleKind::Default));
  EXPECT_TRUE(WindowRig::messages().isEmpty());
  const Image factory = *builtInDefaultImage(1);
  EXPECT_TRUE(std::equal(factory.begin(), factory.end(), rig.mouse->memory().begin()));
  ParameterCycles expected;
  expected.InitNoDevice();
  EXPECT_EQ(w.controller().state().model, expected.model);
  EXPECT_FALSE(w.covered());
}

TEST(MainWindowWithMouse, ConfirmAppliesThenCloses) {
  WindowRig rig(true);
  ASSERT_TRUE(rig.firstPoll());
  MainWindow& w = *rig.window;
  click(pageButton(w, CommonAction::Confirm));
  ASSERT_TRUE(rig.waitFor(CycleKind::Apply));
  QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), 2000);
}

TEST(MainWindowWithMouse, LosingTheMouseShowsTheDefaultsAndTheDialog) {
  WindowRig rig(true, shippedSettings(), {}, *builtInDefaultImage(2));
  ASSERT_TRUE(rig.firstPoll());
  MainWindow& w = *rig.window;
  ParameterCycles factory;
  factory.InitNoDevice();
  ASSERT_NE(w.controller().state().model, factory.model);
  click(pageButton(w, CommonAction::PageBreath));
  ASSERT_FALSE(w.controller().busy());
  rig.bus->unplug("virtual:mouse");
  ASSERT_TRUE(rig.waitFor(CycleKind::Poll));  // the next tick, 3 s on
  EXPECT_EQ(WindowRig::messageTexts(), QStringList{kDeviceLost});
  EXPECT_TRUE(w.covered());
  EXPECT_TRUE(w.NoDeviceState());
  EXPECT_FALSE(w.controller().mouseOpen());
  EXPECT_EQ(w.currentPage(), Page::Profile1);
  EXPECT_TRUE(w.group(0).isVisible());
  EXPECT_EQ(w.controller().state().model, factory.model);  // the factory image again
}

TEST(MainWindowLanguages, SwitchingTranslatesFunctionNamesAndKeepsTheRest) {
  WindowRig rig(true);
  ASSERT_TRUE(rig.firstPoll());
  MainWindow& w = *rig.window;
  click(pageButton(w, CommonAction::PageAdv));
  w.profilePage().setKeyCaption(3, "My macro");  // a macro's name is not a text of the tables
  struct Row {
    int language;
    QString key1, apply;
  };
  const Row rows[] = {{2, "Левая кнопка", "Применить"}, {3, "", ""}, {1, "Left Click", "Apply"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.language);
    click(pageButton(w, row.language == 1 ? CommonAction::Lang1 : row.language == 2 ? CommonAction::Lang2
                                                                                    : CommonAction::Lang3));
    EXPECT_EQ(w.LanguageIndex(), row.language);
    if (!row.key1.isEmpty()) EXPECT_EQ(w.profilePage().keyCaption(1), row.key1);
    if (!row.apply.isEmpty()) EXPECT_EQ(pageButton(w, CommonAction::Apply)->caption(), row.apply);
    EXPECT_EQ(w.profilePage().keyCaption(3), "My macro");
    EXPECT_EQ(w.currentPage(), Page::Advanced);
    EXPECT_TRUE(w.group(1).isVisible());
    EXPECT_EQ(pageButton(w, CommonAction::Lang1)->shownPicture(), row.language == 1 ? "Lang_03" : "Lang_01");
  }
}

TEST(MainWindowLanguages, TheLayoutMovesAndHidesControls) {
  WindowRig rig(false);
  MainWindow& w = *rig.window;
  struct Row {
    int language;
    QPoint lang1, lang2;
    bool lang3Shown, key6Shown, key7Shown;
  };
  const Row rows[] = {{1, {898, 65}, {898, 100}, false, false, true},
                      {3, {638, 30}, {738, 30}, true, true, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.language);
    w.Btn_LangClick(row.language);
    EXPECT_EQ(pageButton(w, CommonAction::Lang1)->pos(), row.lang1);
    EXPECT_EQ(pageButton(w, CommonAction::Lang2)->pos(), row.lang2);
    EXPECT_EQ(pageButton(w, CommonAction::Lang3)->isVisible(), row.lang3Shown);
    EXPECT_EQ(w.profilePage().key(6)->isVisible(), row.key6Shown);
    EXPECT_EQ(w.profilePage().key(7)->isVisible(), row.key7Shown);
  }
  EXPECT_EQ(pageButton(w, CommonAction::Lang3)->caption(), "繁體中文");
}

TEST(MainWindowCaptions, RollOnlyWhenSwitchedOn) {
  for (const bool rolling : {false, true}) {
    SCOPED_TRACE(rolling);
    OrgSettings org = shippedSettings();
    org.TR_Enable = rolling;
    WindowRig rig(false, org);
    SkinnedButton* profile1 = pageButton(*rig.window, CommonAction::PageMain);
    ASSERT_EQ(profile1->caption(), "Profile1");
    QElapsedTimer clock;
    clock.start();
    enter(profile1);
    if (rolling) {
      // Five ticks of 200 ms: shifted by five characters, the gap after the first.
      QTRY_COMPARE_WITH_TIMEOUT(profile1->caption(), QString("le1    Profi"), 2000);
      EXPECT_GE(clock.elapsed(), 900);
    } else {
      QTest::qWait(500);
      EXPECT_EQ(profile1->caption(), "Profile1");
    }
    leave(profile1);
    EXPECT_EQ(profile1->caption(), "Profile1");
  }
}

TEST(MainWindowWebButton, FollowsThePointerOnlyWithAMouse) {
  for (const bool plugged : {false, true}) {
    SCOPED_TRACE(plugged);
    WindowRig rig(plugged);
    ASSERT_TRUE(rig.firstPoll());
    WindowRig::closeMessages();
    SkinnedButton* web = pageButton(*rig.window, CommonAction::Web);
    enter(web);
    EXPECT_EQ(web->shownPicture(), plugged ? "WebS_03" : "WebS_01");
    leave(web);
    EXPECT_EQ(web->shownPicture(), "WebS_01");
  }
}

TEST(MainWindowShape, HasTheBackgroundsSizeTitleAndShape) {
  WindowRig rig(false);
  MainWindow& w = *rig.window;
  EXPECT_EQ(w.windowTitle(), "ORVA310B Gaming Mouse v1.0");
  EXPECT_EQ(w.size(), QSize(1030, 662));
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  // Corners of the background are see-through.
  EXPECT_FALSE(w.mask().contains(QPoint(0, 0)));
  EXPECT_TRUE(w.mask().contains(QPoint(515, 330)));
}

}  // namespace
}  // namespace orva::gui::test
