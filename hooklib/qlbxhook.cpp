// qlbxhook.dll: the system-wide mouse and keyboard hooks. The decisions are HookCore's; this file
// is the shared section, the exports and the Win32 side of `HookHost`.
#include "hooklib/qlbxhook.h"

#include <string>

#include "hooklib/hook_core.h"
#include "hooklib/hook_text.h"
#include "hooklib/shared_section.h"

namespace qb::hook {
namespace {

// One copy for every process the library is loaded into: section MY_CLIPD, marked shared.
// Aligned to its 32-bit words only, so that the section holds exactly the state and no padding.
__attribute__((section("MY_CLIPD"), shared, aligned(4))) SharedState g_shared = {
    0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0,
    {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"},
    "0"};

HINSTANCE g_module = nullptr;
DWORD g_loadTime = 0;
// A hung main window must not freeze the input of every program: a report waits at most this.
constexpr UINT kReportTimeoutMs = 5000;

HWND MainWindow() { return reinterpret_cast<HWND>(static_cast<INT_PTR>(g_shared.mainWindow)); }

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (length > 0) {
    MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  }
  return wide;
}

HMENU MenuOf(const std::vector<PlanMenuItem>& items) {
  HMENU menu = CreatePopupMenu();
  for (const PlanMenuItem& item : items) {
    UINT flags = MF_STRING;
    if (item.checked) flags |= MF_CHECKED;
    if (item.grayed) flags |= MF_GRAYED;
    AppendMenuW(menu, flags, static_cast<UINT_PTR>(item.command), Wide(item.text).c_str());
  }
  return menu;
}

class Win32HookHost : public HookHost {
 public:
  int screenWidth() override { return GetSystemMetrics(SM_CXSCREEN); }
  int screenHeight() override { return GetSystemMetrics(SM_CYSCREEN); }
  bool mainWindowAt(Point point) override {
    HWND under = WindowFromPoint(POINT{point.x, point.y});
    return under && GetAncestor(under, GA_ROOT) == MainWindow();
  }
  bool ctrlHeld() override { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }
  void report(std::string_view text) override {
    HWND main = MainWindow();
    if (!main) return;
    char buffer[kReportBytes];
    FillReport(buffer, text);
    COPYDATASTRUCT data{0, static_cast<DWORD>(kReportBytes), buffer};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                        SMTO_NORMAL | SMTO_ABORTIFHUNG, kReportTimeoutMs, &result);
  }
  void synthesizeLeftButtonUp() override {
    INPUT up{};
    up.type = INPUT_MOUSE;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &up, sizeof up);
  }
  WindowHandle foregroundWindow() override {
    return reinterpret_cast<WindowHandle>(GetForegroundWindow());
  }
  Point clientTopLeft(WindowHandle window) override {
    POINT corner{0, 0};
    ClientToScreen(reinterpret_cast<HWND>(window), &corner);
    return {corner.x, corner.y};
  }
  int trackMenu(const PlanMenu& menu, WindowHandle owner, Point point) override {
    HMENU groups = MenuOf(menu.groups);
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(groups),
                Wide(kGroupSubmenuCaption).c_str());
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    for (const PlanMenuItem& item : menu.plans) {
      AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.command), Wide(item.text).c_str());
    }
    const int command = static_cast<int>(
        TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_RIGHTBUTTON,
                       point.x, point.y, 0, reinterpret_cast<HWND>(owner), nullptr));
    DestroyMenu(popup);  // destroys the group submenu with it
    return command;
  }
};

HookCore Core() {
  static Win32HookHost host;
  return HookCore(g_shared, host);
}

MouseEvent EventOf(WPARAM message) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: return MouseEvent::kMove;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN: return MouseEvent::kLeftDown;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP: return MouseEvent::kLeftUp;
    case WM_RBUTTONDOWN:
    case WM_NCRBUTTONDOWN: return MouseEvent::kRightDown;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP: return MouseEvent::kRightUp;
    default: return MouseEvent::kOther;
  }
}

// Only a message being taken from the queue is acted on: a look ahead (HC_NOREMOVE) at the same
// message must not act twice.
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM key, LPARAM flags) {
  if (code == HC_ACTION) {
    const bool keyUp = (static_cast<DWORD>(flags) & 0x80000000u) != 0;
    if (Core().onKey(static_cast<int>(key), keyUp)) return 1;
  }
  return CallNextHookEx(nullptr, code, key, flags);
}

}  // namespace
}  // namespace qb::hook

using qb::hook::g_shared;

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    qb::hook::g_module = module;
    qb::hook::g_loadTime = GetTickCount();
    DisableThreadLibraryCalls(module);
  }
  return TRUE;
}

LRESULT CALLBACK MyHookProc(int code, WPARAM message, LPARAM mouseData) {
  if (code == HC_ACTION && mouseData) {
    const auto* mouse = reinterpret_cast<const MOUSEHOOKSTRUCT*>(mouseData);
    const qb::hook::MouseEvent event = qb::hook::EventOf(message);
    if (event != qb::hook::MouseEvent::kOther &&
        qb::hook::Core().onMouse(event, {mouse->pt.x, mouse->pt.y},
                                 reinterpret_cast<qb::hook::WindowHandle>(mouse->hwnd))) {
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, message, mouseData);
}

int SetHook(HWND mainWindow, int leftEdgeOn, int rightEdgeOn, int planMenuOn, int clickReportOn,
            int currentPlanGroup) {
  ResetHook();  // a second installation must not leave the first hooks behind
  g_shared.mainWindow = static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(mainWindow));
  g_shared.leftEdgeOn = leftEdgeOn;
  g_shared.rightEdgeOn = rightEdgeOn;
  g_shared.planMenuOn = planMenuOn;
  g_shared.clickReportOn = clickReportOn;
  g_shared.currentPlanGroup = currentPlanGroup;
  g_shared.startTime = static_cast<std::int32_t>(GetTickCount() - qb::hook::g_loadTime);
  HHOOK mouse = SetWindowsHookExW(WH_MOUSE, &MyHookProc, qb::hook::g_module, 0);
  HHOOK keyboard = SetWindowsHookExW(WH_KEYBOARD, &qb::hook::KeyboardHookProc,
                                     qb::hook::g_module, 0);
  g_shared.mouseHook = static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(mouse));
  g_shared.keyboardHook = static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(keyboard));
  return 0;
}

int ResetHook() {
  if (g_shared.mouseHook) {
    UnhookWindowsHookEx(reinterpret_cast<HHOOK>(static_cast<INT_PTR>(g_shared.mouseHook)));
    g_shared.mouseHook = 0;
  }
  if (g_shared.keyboardHook) {
    UnhookWindowsHookEx(reinterpret_cast<HHOOK>(static_cast<INT_PTR>(g_shared.keyboardHook)));
    g_shared.keyboardHook = 0;
  }
  return 0;
}

int HookInitProc() {
  for (auto& slot : g_shared.planNames) slot[0] = '\0';
  g_shared.groupNames[0] = '\0';
  return 0;
}

int HookPlanMenuDataSet(int groupIndex, const char* planNames) {
  if (groupIndex < 0 || groupIndex >= qb::hook::kPlanGroupCount) return 0;
  qb::hook::CopyIntoSlot(g_shared.planNames[groupIndex], qb::hook::kNameSlotBytes, planNames);
  return 0;
}

int HookPlanMenuGroupDataSet(const char* groupNames) {
  qb::hook::CopyIntoSlot(g_shared.groupNames, qb::hook::kNameSlotBytes, groupNames);
  return 0;
}

int HookPlanMenuStop(int stopped) {
  g_shared.planMenuStopped = stopped;
  return 0;
}
