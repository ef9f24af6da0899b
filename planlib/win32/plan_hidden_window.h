// CPlanHiddenWnd: the small window "プラン" with the static text "実行時用の不可視ウィンドウ" that
// owns every window of an edit or a run. It stays hidden, except minimised while it owns a box.
// It takes the host's stop request: "0927Plan_RunEndReq" sets the stop flag, waits 200 ms and
// posts a quit message with the exit code of the host's plan thread, which ends every modal loop
// of the plan thread.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace qb {

class CPlanHiddenWnd {
 public:
  // `hostThread`: the handle given to m_PlanInit (may be null); `requestStop` sets the stop flag.
  CPlanHiddenWnd(HANDLE hostThread, std::function<void()> requestStop);
  ~CPlanHiddenWnd();
  CPlanHiddenWnd(const CPlanHiddenWnd&) = delete;
  CPlanHiddenWnd& operator=(const CPlanHiddenWnd&) = delete;

  // Creates the window (modeless, hidden); null when it could not be created.
  HWND create(const std::wstring& fontFace);
  HWND handle() const { return window_; }
  void setTitle(const std::string& title);
  // Minimised while it owns a box, hidden again after it.
  void showMinimized();
  void hide();

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool onCopyData(const COPYDATASTRUCT& data);

  HANDLE hostThread_;
  std::function<void()> requestStop_;
  HWND window_ = nullptr;
};

}  // namespace qb
