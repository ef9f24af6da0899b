// The library-wide state of tovaplan.dll: the host's plan thread, the one hidden window of the
// edit or run in progress, the stop flag, and the run itself over the Windows ports. Only one
// plan can be edited or run at a time in a process.
#pragma once
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "planlib/editor/plan_saver.h"
#include "planlib/plan_call.h"
#include "planlib/win32/plan_hidden_window.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_keyboard.h"

namespace qb {

// The input members of CPlanInterface, copied at the start of every call.
struct PlanLibraryContext {
  std::string ifVersion;
  std::string fontName;
  int dialogDelay = 0;
  std::string actWinName;
  std::string userId;
  std::string hostFolder;
  std::string dataHome;
  HWND hostWindow = nullptr;
  std::string hostName;
  std::string editTitle;
  std::string planVersion;
};

// What one edit gives back: m_Edit's result, and the outputs once the editor was reached.
struct PlanEditCall {
  int returned = -1;
  bool reachedEditor = false;
  bool maximized = false;
  EditedPlan plan;  // on OK; the name, version and attributes of the results otherwise too
};

class PlanLibrary {
 public:
  static PlanLibrary& instance();

  void setHostThread(HANDLE thread) { hostThread_ = thread; }
  // The hidden window of a run (a previous one is destroyed first); null when it could not be
  // created.
  HWND createHiddenWindow(const std::string& fontName);
  void destroyHiddenWindow();

  // One run over the Windows ports, with the hidden window titled host name + " [プラン実行]".
  PlanCallResult run(const PlanLibraryContext& context, std::string_view planText,
                     std::string& text);

  // One edit: the version checks, then the editor owned by the hidden window titled host name +
  // " [プラン編集]"; on OK `planText` holds the edited text.
  PlanEditCall edit(const PlanLibraryContext& context, bool maximized, std::string& planText);

  // The host's stop request: every wait of the run ends, and the next block does not start.
  void requestStop();

 private:
  PlanLibrary() = default;

  Win32FileSystem files_;
  Win32Clock clock_;
  Win32Keyboard keyboard_;
  HANDLE hostThread_ = nullptr;
  std::unique_ptr<CPlanHiddenWnd> hidden_;
  std::atomic<CPlanRunner*> activeRunner_{nullptr};
};

}  // namespace qb
