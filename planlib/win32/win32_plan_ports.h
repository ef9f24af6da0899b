// The plan's own ports on Windows: the host window reached by WM_COPYDATA, the shell, the run-time
// message boxes owned by the hidden window, and the run-time windows.
#pragma once
#include <windows.h>

#include <string>

#include "planlib/engine/plan_ports.h"
#include "planlib/win32/plan_hidden_window.h"

namespace qb {

class Win32PlanHost : public PlanHost {
 public:
  explicit Win32PlanHost(HWND hostWindow) : hostWindow_(hostWindow) {}
  // SendMessage of WM_COPYDATA: data word 0, the text with its terminating zero.
  void sendCommand(std::string_view command) override;
  void pumpMessages() override;

 private:
  HWND hostWindow_;
};

class Win32PlanShell : public PlanShell {
 public:
  explicit Win32PlanShell(HWND hostWindow) : hostWindow_(hostWindow) {}
  int open(std::string_view target, std::string_view parameters, bool ownedByHost) override;

 private:
  HWND hostWindow_;
};

// Message boxes of a run: owned by the hidden window, which is shown minimised and brought to the
// front for the box and hidden again after it; the caption is the host's name.
class PlanRunUi : public Ui {
 public:
  PlanRunUi(CPlanHiddenWnd& hidden, std::string caption);
  // A box with its own caption.
  MessageAnswer showCaptioned(std::string_view caption, std::string_view text, MessageIcon icon,
                              MessageButtons buttons);

 protected:
  MessageAnswer presentMessage(std::string_view text, MessageIcon icon,
                               MessageButtons buttons) override;

 private:
  MessageAnswer box(std::string_view caption, std::string_view text, MessageIcon icon,
                    MessageButtons buttons);

  CPlanHiddenWnd& hidden_;
  std::string caption_;
};

class Win32PlanDialogs : public PlanDialogs {
 public:
  Win32PlanDialogs(PlanRunUi& ui, CPlanHiddenWnd& hidden, std::wstring fontFace);

  MessageAnswer message(std::string_view caption, std::string_view text, MessageIcon icon,
                        MessageButtons buttons) override;
  std::unique_ptr<PlanNoticeWindow> openNotice(const PlanNotice& notice) override;
  void runInput(PlanInputModel& model) override;
  void runDisplay(PlanDisplayModel& model) override;
  void runSelect(PlanSelectModel& model) override;

 private:
  PlanRunUi& ui_;
  CPlanHiddenWnd& hidden_;
  std::wstring fontFace_;
};

}  // namespace qb
