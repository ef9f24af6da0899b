#include "tests/e2e/probe/menu_probe.h"

#include <string>

namespace {

constexpr UINT kReportLimitMs = 2000;

std::wstring describeMenu(HMENU menu) {
  std::wstring report;
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, position, text, ARRAYSIZE(text), MF_BYPOSITION);
    report += std::to_wstring(GetMenuState(menu, position, MF_BYPOSITION)) + L"\t" + text + L"\n";
  }
  return report;
}

void sendReport(HWND reportTo, HWND menuWindow, HMENU menu) {
  const std::wstring report = describeMenu(menu);
  COPYDATASTRUCT data{};
  data.dwData = qb::e2e::kMenuReportTag;
  data.cbData = static_cast<DWORD>(report.size() * sizeof(wchar_t));
  data.lpData = const_cast<wchar_t*>(report.data());
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(reportTo, WM_COPYDATA, reinterpret_cast<WPARAM>(menuWindow),
                      reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kReportLimitMs, &answer);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuProbeHook(int code, WPARAM removal,
                                                               LPARAM lParam) {
  static const UINT probeMessage = RegisterWindowMessageW(qb::e2e::kMenuProbeMessage);
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && removal == PM_REMOVE && message->message == probeMessage) {
    sendReport(reinterpret_cast<HWND>(message->wParam), message->hwnd,
               reinterpret_cast<HMENU>(message->lParam));
    message->message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}
