#pragma once
// The main window: a borderless window in the shape of its background with
// the page groups, the buttons every page carries and the cover that keeps
// clicks off the pages while there is no mouse or a cycle runs. Device work
// goes through the cycle controller; this class shows its outcomes.

#include <array>
#include <memory>
#include <optional>

#include <QLabel>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include "core/device/Discovery.h"
#include "core/fire/GunKeyScriptStore.h"
#include "core/skin/LanguageTable.h"
#include "core/skin/OrgSettings.h"
#include "gui/app/CommonButtons.h"
#include "gui/device/CycleController.h"
#include "gui/device/CycleView.h"
#include "gui/widgets/CaptionRoller.h"
#include "platform/link/DeviceBackend.h"

namespace orva::gui {

class LoadingWindow;
class PageGroup;
class ProfilePage;

inline constexpr const char* kWindowCaption = "ORVA310B Gaming Mouse v1.0";

// The pages; the two profile pages share one group.
enum class Page { Profile1, Profile2, Advanced, Led, Macro };

class MainWindow : public QWidget, private CycleView {
  Q_OBJECT
 public:
  MainWindow(const OrgSettings& org, std::unique_ptr<DeviceBackend> backend, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The first presence poll, 20 ms from now (after the loading window exists).
  void startPolling();

  Page currentPage() const { return current_; }
  int LanguageIndex() const { return LanguageIndex_; }
  bool NoDeviceState() const { return NoDeviceState_; }
  bool covered() const { return isCovered(); }
  CycleController& controller() { return *controller_; }
  CommonButtons& buttons() { return *buttons_; }
  ProfilePage& profilePage() { return *profile_; }
  PageGroup& group(int index) { return *groups_[index]; }  // gbPage1..gbPage5 as 0..4

  // The handlers of the buttons, as a click runs them.
  void pageButtonClicked(Page page);
  void Btn_LangClick(int language);

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void onCommon(CommonAction action);
  // Kind A buttons show their pressed picture for a moment before working.
  void afterPress(std::function<void()> work);
  // The device gate: true when a mouse is open; else Str020 is shown.
  bool deviceGate();
  // A cycle is running: the window is covered and device buttons wait.
  bool inCycle() const;
  void saveProfile();
  void loadProfile();
  void openWeb();

  void showPage(Page page);
  void showGroup(int index);
  void HideAllMenu();
  void RefreshErrorAP();
  void RefreshAPPage();
  void RefreshProfileKeys();
  void ApplySkin(int language);
  void ApplyLanguageTexts();
  void reshape();
  // Once the window is up, the other languages' pictures and shapes are
  // prepared in idle moments, one at a time, so the first switch to them
  // is as quick as any later one.
  void prepareLanguages();

  // CycleView
  void cover(bool covered) override;
  bool isCovered() const override;
  void ShowLoading() override;
  void setLoadingProgress(int chunk, int chunkCount) override;
  void hideLoading() override;
  void showMessage(const char* key, const QString& detail, std::function<void()> onClosed) override;
  void DeviceLost(const std::string& accessPath) override;
  void mouseOpenChanged(bool open) override;
  void stateTakenIn() override;
  void readFinished() override;
  void closeWindow() override;

  void message(const QString& text, std::function<void()> onClosed = {});

  OrgSettings org_;
  std::string appFolder_;
  fire::GunKeyScriptStore gunScripts_;
  int LanguageIndex_ = 1;
  LanguageTable texts_;
  QPixmap background_;
  std::array<std::optional<QRegion>, 3> shapes_;  // per language, made on first use
  int BaseWidth_ = 0;
  int BaseHeight_ = 0;
  Page current_ = Page::Profile1;
  bool NoDeviceState_ = false;
  bool cycleCovering_ = false;
  bool prepared_ = false;

  CaptionRoller roller_;
  std::array<PageGroup*, 5> groups_{};
  ProfilePage* profile_ = nullptr;
  QWidget* cover_ = nullptr;
  CommonButtons* buttons_ = nullptr;
  QLabel* lbl_Content_ = nullptr;
  LoadingWindow* loading_ = nullptr;
  std::unique_ptr<CycleController> controller_;
};

}  // namespace orva::gui
