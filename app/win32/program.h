// The life of the running program: start-up in order, the message loop, and the ordered end.
#pragma once
#include <windows.h>

#include <memory>

#include "app/settings_home.h"
#include "app/win32/main_window.h"
#include "app/win32/shell_folder_mover.h"
#include "history/capture_controller.h"
#include "history/history_list.h"
#include "history/save_stack_items.h"
#include "planlib/plan_interface.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_ui.h"

namespace qb {

class Program : private CaptureHandOffs, private ClipboardChain {
 public:
  Program();
  // The whole run; the process's exit code.
  int run(HINSTANCE instance);

 private:
  bool start(HINSTANCE instance);
  bool startHistory(const DataHome& home);
  void onClosing();

  // CaptureHandOffs
  void flashTrayIcon() override { window_->flashTrayIcon(); }
  void postDeferredCapture() override { window_->postDeferredCapture(); }
  // ClipboardChain
  void join() override { window_->joinClipboardChain(/*announce=*/true); }
  void leave() override { window_->leaveClipboardChain(); }

  Win32Ui ui_;
  Win32SystemInfo system_;
  Win32FileSystem fs_;
  Win32Clock clock_;
  ShellFolderMover mover_;
  std::unique_ptr<SettingsHome> settingsHome_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<Win32Clipboard> clipboard_;
  std::unique_ptr<CHistoryList> history_;
  std::unique_ptr<StackItemWriter> stack_;
  std::unique_ptr<CaptureController> capture_;
  CPlanInterface planInterface_;
};

}  // namespace qb
