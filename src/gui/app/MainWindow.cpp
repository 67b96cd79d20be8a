#include "gui/app/MainWindow.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>
#include <QUrl>

#include "core/params/ButtonNames.h"
#include "core/skin/Languages.h"
#include "core/skin/LayoutFile.h"
#include "gui/app/LoadingWindow.h"
#include "gui/dialogs/MessageDialog.h"
#include "gui/pages/PageGroup.h"
#include "gui/pages/profile/ProfilePage.h"
#include "gui/widgets/SkinPictures.h"
#include "gui/widgets/WindowDragger.h"
#include "gui/widgets/WindowShape.h"
#include "platform/AppFolder.h"
#include "platform/hid/OpenFailure.h"

namespace orva::gui {
namespace {

// A clicked kind-A button shows its pressed picture this long before it works.
constexpr int kPressedFeedbackMs = 110;
constexpr int kGroupCount = 5;
constexpr int kProfileGroup = 0;
constexpr QPoint kHintLine(24, 636);
constexpr int kPrepareAfterMs = 300;

struct PageRow {
  Page page;
  CommonAction button;
  int group;  // gbPage1.. as 0..
};
constexpr PageRow kPages[] = {
    {Page::Profile1, CommonAction::PageMain, kProfileGroup}, {Page::Profile2, CommonAction::PageSecond, kProfileGroup},
    {Page::Advanced, CommonAction::PageAdv, 1},             {Page::Led, CommonAction::PageBreath, 2},
    {Page::Macro, CommonAction::PageMacro, 3},
};

const PageRow& rowOf(Page page) {
  for (const PageRow& row : kPages) {
    if (row.page == page) return row;
  }
  return kPages[0];
}

std::optional<Page> pageOfButton(CommonAction action) {
  for (const PageRow& row : kPages) {
    if (row.button == action) return row.page;
  }
  return std::nullopt;
}

constexpr CommonAction kLanguageButtons[] = {CommonAction::Lang1, CommonAction::Lang2, CommonAction::Lang3};

// 1..3 for a language button, 0 for any other.
int languageOfButton(CommonAction action) {
  for (int n = 1; n <= kLanguageCount; ++n) {
    if (kLanguageButtons[n - 1] == action) return n;
  }
  return 0;
}

}  // namespace

MainWindow::MainWindow(const OrgSettings& org, std::unique_ptr<DeviceBackend> backend, QWidget* parent)
    : QWidget(parent), org_(org) {
  setObjectName("TForm1");
  setWindowTitle(kWindowCaption);
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

  background_ = skinPicture("L1_BackGround");
  BaseWidth_ = background_.width();
  BaseHeight_ = background_.height();

  auto* dragger = new WindowDragger(this);
  connect(dragger, &WindowDragger::pressed, this, &MainWindow::HideAllMenu);
  profile_ = new ProfilePage(this);
  groups_[kProfileGroup] = profile_;
  for (int i = 1; i < kGroupCount; ++i) groups_[i] = new PageGroup(i + 1, this);
  for (int i = 0; i < kGroupCount; ++i) {
    groups_[i]->setObjectName(QString("gbPage%1").arg(i + 1));
    groups_[i]->setBackground(&background_);
    groups_[i]->setGeometry(0, 0, BaseWidth_, BaseHeight_);
    dragger->watch(groups_[i]);
  }
  // The cover: clicks on it go to the window (which is dragged by it), never
  // to the page's controls under it.
  cover_ = new QWidget(this);
  cover_->setObjectName("Disable_All");
  cover_->setGeometry(0, 0, BaseWidth_, BaseHeight_);
  dragger->watch(cover_);

  lbl_Content_ = new QLabel(this);
  lbl_Content_->setObjectName("lbl_Content");
  lbl_Content_->setStyleSheet("color: #8a93a0;");
  lbl_Content_->setGeometry(kHintLine.x(), kHintLine.y(), 360, 18);
  lbl_Content_->setAttribute(Qt::WA_TransparentForMouseEvents);

  // The common buttons stay above the cover: without a mouse they still
  // answer (with "Finding the specified device"), and the window can always
  // be closed, minimised and switched to another language.
  buttons_ = new CommonButtons(this, roller_);
  connect(buttons_, &CommonButtons::triggered, this, &MainWindow::onCommon);
  connect(profile_, &ProfilePage::optionClicked, this, [this](int option) {
    HideAllMenu();
    IB_ComboKeyClick(controller_->state().model, option);
    profile_->showOptions(controller_->state().model);
  });

  AcceptedIdentities identities;
  if (const auto image = builtInDefaultImage(1)) {
    identities = AcceptedIdentities::fromImage(*image, org_.Rev_Manu_ID, org_.Rev_Pro_ID);
  }
  CycleView& view = *this;
  controller_ = std::make_unique<CycleController>(std::move(backend), identities, view);
  FormCreate();
  loading_ = new LoadingWindow(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::FormCreate() {
  resize(BaseWidth_, BaseHeight_);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - BaseWidth_) / 2, area.y() + (area.height() - BaseHeight_) / 2);
  }
  appFolder_ = AppFolder();
  std::string error;
  gunScripts_ = fire::GunKeyScriptStore::load(dataFilePath(org_, appFolder_, fire::kGunKeyScriptsFileName), error);
  if (!error.empty()) qWarning("%s", error.c_str());
  roller_.setEnabled(org_.TR_Enable);
  buttons_->placeWeb(org_.Web_X, org_.Web_Y);
  mouseOpenChanged(false);
  showGroup(kProfileGroup);
  ApplySkin(kFirstLanguage);
  RefreshErrorAP();
  cover(true);
  Btn_LangClick(kFirstLanguage);
}

void MainWindow::startPolling() { controller_->startPolling(); }

// ---------------------------------------------------------------- buttons

void MainWindow::onCommon(CommonAction action) {
  if (const auto page = pageOfButton(action)) {
    pageButtonClicked(*page);
    return;
  }
  if (const int language = languageOfButton(action)) {
    Btn_LangClick(language);
    return;
  }
  switch (action) {
    case CommonAction::Confirm:
    case CommonAction::Apply:
      afterPress([this, action] {
        if (!deviceGate()) return;
        HideAllMenu();
        controller_->Apply(action == CommonAction::Confirm);
      });
      return;
    case CommonAction::Read:
      if (inCycle() || !deviceGate()) return;
      controller_->Read();
      return;
    case CommonAction::Default1:
    case CommonAction::Default2:
    case CommonAction::Default3: {
      const int n = action == CommonAction::Default1 ? 1 : action == CommonAction::Default2 ? 2 : 3;
      afterPress([this, n] {
        if (!deviceGate()) return;
        HideAllMenu();
        const std::string file = "ORVA31xData_Cfg" + std::to_string(n) + ".bin";
        controller_->Default(n, dataFilePath(org_, appFolder_, file));
      });
      return;
    }
    case CommonAction::Save:
      saveProfile();
      return;
    case CommonAction::Load:
      loadProfile();
      return;
    case CommonAction::Exit:
      close();
      return;
    case CommonAction::Minimise:
      showMinimized();
      return;
    case CommonAction::Web:
      openWeb();
      return;
    default:  // the page and language buttons, above; the engineering page is never offered
      return;
  }
}

void MainWindow::afterPress(std::function<void()> work) {
  if (inCycle()) return;
  QTimer::singleShot(kPressedFeedbackMs, this, [this, work = std::move(work)] {
    if (!inCycle()) work();
  });
}

bool MainWindow::deviceGate() {
  if (controller_->mouseOpen()) return true;
  showMessage("Str020", {}, {});
  return false;
}

bool MainWindow::inCycle() const { return cycleCovering_; }

void MainWindow::saveProfile() {
  HideAllMenu();
  if (inCycle() || !deviceGate()) return;
  auto* dialog = new QFileDialog(this, QString(), QString(), "SaveFile(*.bin)");
  dialog->setObjectName("SaveDialog1");
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this,
          [this](const QString& chosen) { controller_->Save(chosen.toStdString()); });
  dialog->open();
}

void MainWindow::loadProfile() {
  HideAllMenu();
  if (inCycle() || !deviceGate()) return;
  auto* dialog = new QFileDialog(this, QString(), QString(), "LoadFile(*.bin)");
  dialog->setObjectName("OpenDialog1");
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this,
          [this](const QString& file) { controller_->Load(file.toStdString()); });
  dialog->open();
}

void MainWindow::openWeb() {
  // Handed to the desktop as an address, never to a shell.
  if (org_.Web_Enable) QDesktopServices::openUrl(QUrl(QString::fromStdString(org_.Web)));
}

// ---------------------------------------------------------------- pages

void MainWindow::pageButtonClicked(Page page) {
  if (!controller_->mouseOpen()) {
    showMessage("Str020", {}, {});
    return;
  }
  if (NoDeviceState_) return;
  HideAllMenu();
  showPage(page);
}

void MainWindow::showPage(Page page) {
  current_ = page;
  ParamModel& model = controller_->state().model;
  if (page == Page::Profile1) model.cb_KeyMode = 0;
  if (page == Page::Profile2) model.cb_KeyMode = 1;
  profile_->setGunOptionWanted(page == Page::Profile2 && org_.GD_Enable);
  showGroup(rowOf(page).group);
  if (rowOf(page).group == kProfileGroup) RefreshProfileKeys();
  for (const PageRow& row : kPages) buttons_->button(row.button)->setSelected(row.page == page);
}

void MainWindow::showGroup(int index) {
  for (int i = 0; i < kGroupCount; ++i) {
    if (i == index) groups_[i]->loadPicture(LanguageIndex_);
    groups_[i]->setVisible(i == index);
  }
  // The cover and the buttons stay on top of whichever group is shown.
  cover_->raise();
  lbl_Content_->raise();
  for (SkinnedButton* b : buttons_->all()) b->raise();
}

void MainWindow::HideAllMenu() {
  // The assignment menus and the macro pop-ups join here with their pages.
}

void MainWindow::RefreshErrorAP() {
  controller_->state().InitNoDevice();
  NoDeviceState_ = true;
  current_ = Page::Profile1;
  profile_->setGunOptionWanted(false);
  showGroup(kProfileGroup);
  for (const PageRow& row : kPages) buttons_->button(row.button)->setSelected(row.page == Page::Profile1);
  stateTakenIn();
}

void MainWindow::RefreshAPPage() {
  if (NoDeviceState_) {
    showGroup(kProfileGroup);
    return;
  }
  showGroup(rowOf(current_).group);
}

void MainWindow::RefreshProfileKeys() {
  const ParameterCycles& state = controller_->state();
  KeyNaming naming;
  naming.text = texts_.lookup();
  naming.EepromMode = org_.EepromMode;
  naming.FireScriptsPresent = gunScripts_.FireScriptsPresent();
  naming.gunKeyScripts = gunScripts_.scripts();
  const KeyNames names = buttonNames(state, std::move(naming));
  const ProfileNames& shown = current_ == Page::Profile2 ? names.ProfileNames2 : names.ProfileNames1;
  roller_.restore();
  for (int n = 1; n <= kButtons; ++n) profile_->setKeyCaption(n, QString::fromStdString(shown[n - 1]));
}

// ---------------------------------------------------------------- skin and language

void MainWindow::Btn_LangClick(int language) {
  for (int n = 1; n <= kLanguageCount; ++n) {
    buttons_->button(kLanguageButtons[n - 1])->setSelected(n == language);
  }
  LanguageIndex_ = language;
  ApplySkin(language);
  RefreshAPPage();
}

void MainWindow::ApplySkin(int language) {
  background_ = skinPicture(QString("L%1_BackGround").arg(language));
  reshape();
  for (PageGroup* g : groups_) {
    if (g->isVisibleTo(this)) g->loadPicture(language);
    g->update();
  }
  const LayoutResult layout = LoadLayout(language);
  if (!layout) {
    message(QString::fromStdString(layout.error));
    return;
  }
  buttons_->applyLayout(*layout.layout);
  profile_->applyLayout(*layout.layout);
  for (int i = 1; i < kGroupCount; ++i) {
    const std::string stem = "P" + std::to_string(i + 1);
    groups_[i]->setPicturePosition({layout.layout->value(stem + "_X"), layout.layout->value(stem + "_Y")});
  }
  texts_ = languageTable(language);
  ApplyLanguageTexts();
}

void MainWindow::ApplyLanguageTexts() {
  roller_.restore();
  const QString family = QString::fromStdString(texts_.fontName());
  buttons_->applyTexts(texts_);
  profile_->setFontFamily(family);
  // The button labels keep what they show, in the new language when it is
  // a text of the tables (a function name) and as it is otherwise (a macro).
  for (int n = 1; n <= kButtons; ++n) {
    const std::string key = FindTextKey(profile_->keyCaption(n).toStdString());
    if (!key.empty()) profile_->setKeyCaption(n, QString::fromStdString(texts_.text(key)));
  }
  for (int option = 1; option <= kLongPressOptions; ++option) {
    profile_->setOptionCaption(option, QString::fromStdString(texts_.text(strKey(699 + option))));
  }
}

void MainWindow::reshape() {
  auto& shape = shapes_[LanguageIndex_ - 1];
  if (!shape) shape = opaqueRegion(background_.toImage());
  setMask(*shape);
}

void MainWindow::prepareLanguages() {
  std::vector<std::function<void()>> steps;
  for (int n = 1; n <= kLanguageCount; ++n) {
    if (n == LanguageIndex_) continue;
    steps.push_back([this, n] {
      auto& shape = shapes_[n - 1];
      if (!shape) shape = opaqueRegion(skinPicture(QString("L%1_BackGround").arg(n)).toImage());
    });
    steps.push_back([n] { skinPicture(QString("L%1_Back1").arg(n)); });
    steps.push_back([n] { languageTable(n); });
  }
  // After the first frame is out; each step is short and the window
  // answers between them.
  for (std::size_t i = 0; i < steps.size(); ++i) {
    QTimer::singleShot(kPrepareAfterMs + static_cast<int>(i), this, steps[i]);
  }
}

// ---------------------------------------------------------------- cycle view

void MainWindow::cover(bool covered) {
  cover_->setVisible(covered);
  if (covered) cover_->raise();
  for (SkinnedButton* b : buttons_->all()) b->raise();
}

void MainWindow::mouseOpenChanged(bool open) {
  // The web button's picture follows the pointer only while a mouse is open.
  buttons_->button(CommonAction::Web)->setFollowsPointer(open);
}

bool MainWindow::isCovered() const { return cover_->isVisibleTo(this); }

void MainWindow::ShowLoading() {
  cycleCovering_ = true;
  loading_->ShowLoading();
}

void MainWindow::setLoadingProgress(int chunk, int chunkCount) { loading_->setProgress(chunk, chunkCount); }

void MainWindow::hideLoading() {
  cycleCovering_ = false;
  loading_->hideLoading();
}

void MainWindow::showMessage(const char* key, const QString& detail, std::function<void()> onClosed) {
  QString text = QString::fromStdString(texts_.text(key));
  if (!detail.isEmpty()) text += "\n\n" + detail;
  message(text, std::move(onClosed));
}

void MainWindow::message(const QString& text, std::function<void()> onClosed) {
  RefreshFormMessagDialog(text, LanguageIndex_, this, std::move(onClosed));
}

void MainWindow::DeviceLost(const std::string& accessPath) {
  HideAllMenu();
  RefreshErrorAP();
  cover(true);
  QString detail;
  if (!accessPath.empty()) detail = QString::fromStdString(accessDeniedHint(accessPath));
  QString text = QString::fromStdString(texts_.text("Str100")) + "\n\n" + QString::fromStdString(texts_.text("Str101"));
  if (!detail.isEmpty()) text += "\n\n" + detail;
  message(text);
}

void MainWindow::stateTakenIn() {
  RefreshProfileKeys();
  profile_->showOptions(controller_->state().model);
}

void MainWindow::readFinished() {
  NoDeviceState_ = false;
  showPage(current_);
}

void MainWindow::closeWindow() { close(); }

// ---------------------------------------------------------------- window

bool MainWindow::event(QEvent* event) {
  // The hint line shows the hint of the control under the pointer.
  if (event->type() == QEvent::StatusTip) {
    lbl_Content_->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QWidget::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (prepared_) return;
  prepared_ = true;
  prepareLanguages();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Nothing is written on the way out; a running cycle is let finish.
  hide();
  loading_->hideLoading();
  event->accept();
}

}  // namespace orva::gui
