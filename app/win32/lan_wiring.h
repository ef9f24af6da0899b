// The LAN in the running program: the two links with their controller, the Open and Shared tabs
// and their views, the dialogs they open, and the window-thread side of the links' calls. The
// program creates it once the window and the paste engine exist and wires it in with a few
// calls: the two views, the start, the captured texts, the exit.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/win32/open_tab_view.h"
#include "app/win32/shared_tab_view.h"
#include "app/win32/window_thread_post.h"
#include "lan/lan_controller.h"
#include "lan/open_tab.h"
#include "lan/shared_tab.h"
#include "platform/clipboard.h"
#include "platform/file_system.h"
#include "platform/net/socket_net.h"
#include "platform/win32/win32_clock.h"

namespace qb {

struct LanWiringParts {
  HINSTANCE instance = nullptr;
  HWND owner = nullptr;  // the main window: owner of the dialogs
  Ui& ui;
  FileSystem& fs;
  Clipboard& clipboard;
  EnvironmentSettings& settings;
  std::string dataHome;
  PasteEngine& engine;
  MacroAnalyzer& analyzer;
  InputDialogRunner& inputs;
  InputMethodMemory& inputMethod;
  std::wstring dialogFont;
  // The capture's clipboard write: into the History when asked, else as the program's own text.
  std::function<int(std::string_view text, bool intoHistory)> putOnClipboard;
  std::function<void()> saveSettings;
  std::function<void()> refreshList;
  // The publishing state may have changed: the tray icon shows it.
  std::function<void()> publishingChanged;
  // A plan item of the Shared tab stored into the Plan tab (its whole plan record).
  std::function<int(std::string_view planRecord)> storePlan;
};

class LanWiring : private OpenTabHost,
                  private SharedTabHost,
                  private OpenTabDialogs,
                  private SharedTabDialogs {
 public:
  explicit LanWiring(LanWiringParts parts);
  ~LanWiring() override;

  // The two tab views, created once for the main window's tab row.
  std::unique_ptr<TabView> makeSharedView();
  std::unique_ptr<TabView> makeOpenView();

  // Start-up: both links when enabled, the shared folder shown.
  void start();
  // After the settings sheet's OK changed a link's keys.
  void applySettings();
  // Exit: the end notices and the bounded stop. False when a link's threads did not end in
  // time: the caller must then keep this object (and what it reaches) alive.
  bool stop();

  // The capture's hand-offs.
  void publish(std::string_view text);
  std::optional<std::string> takePublisherOf(std::string_view text);
  bool publishing() const { return controller_->Publishing(); }

  // "共有へ複写..." of the other tabs: 0, or -1 after the message.
  int copyToShared(std::string_view label, std::string_view value);
  // "共有へ複写..." of the Plan tab: the whole plan record as a plan item.
  int copyPlanToShared(std::string_view planRecord);

 private:
  // OpenTabHost and SharedTabHost (one window thread for both).
  void postToWindowThread(std::function<void()> work) override { poster_.post(std::move(work)); }
  std::optional<std::string> clipboardText() override;
  int putSyncedText(std::string_view text, bool intoHistory) override;
  void saveSettings() override { parts_.saveSettings(); }
  void rowsShown() override { parts_.refreshList(); }
  void tabStateChanged() override;
  bool mainWindowVisible() override { return IsWindowVisible(parts_.owner) != FALSE; }
  // OpenTabDialogs
  bool runGroupName(PublishGroupNameModel& model) override;
  void showContent(const std::string& value) override;
  void showLinkStatus(const LinkStatusModel& model) override;
  // SharedTabDialogs
  std::optional<std::string> chooseFolder(const std::string& prompt) override;
  std::optional<LabelledValue> editItem(const std::string& caption, const LabelledValue& now) override;

  LanWiringParts parts_;
  SocketNet net_;
  Win32Clock clock_;  // the links' own: a link kept after a stop that did not end still has it
  WindowThreadPost poster_;
  std::unique_ptr<LanController> controller_;
  std::unique_ptr<COpenList> openList_;
  std::unique_ptr<CSharedList> sharedList_;
  std::unique_ptr<OpenTab> openTab_;
  std::unique_ptr<SharedTab> sharedTab_;
  OpenTabView* openView_ = nullptr;
  SharedTabView* sharedView_ = nullptr;
};

}  // namespace qb
