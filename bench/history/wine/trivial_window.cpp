// The yardstick for start-up times: a Windows program that registers a class, creates a window,
// tells the benchmark (the event "QbTrivialWindowMade"), runs its message loop once round and
// ends.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"QbTrivialWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"QbTrivialWindow", L"trivial", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                100, nullptr, nullptr, instance, nullptr);
  // The benchmark times the start until here, and the whole run until the process has ended.
  if (HANDLE made = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"QbTrivialWindowMade")) {
    SetEvent(made);
    CloseHandle(made);
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
