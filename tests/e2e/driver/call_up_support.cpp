#include "tests/e2e/driver/call_up_support.h"

#include <commctrl.h>

#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/synthetic_input.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {

std::wstring dataHomeWithSettings(const ScenarioContext& context, const std::wstring& name,
                                  const SettingLines& settings) {
  const std::wstring dataHome = freshDataHome(context, name) + L"\\";
  expect(CreateDirectoryW(dataHome.c_str(), nullptr) != FALSE, "cannot create " + toUtf8(dataHome));
  std::string lines;
  for (const auto& [key, value] : settings) lines += "\"" + key + "\",\"" + value + "\",\"x\"\r\n";
  expect(writeFileBytes(dataHome + L"quillbox2.dat", lines), "cannot write the settings file");
  return dataHome;
}

void putPlanFile(const std::wstring& dataHome, int group, const std::wstring& fileName,
                 const std::string& planName) {
  const std::wstring plans = dataHome + L"Plan";
  const std::wstring folder = plans + L"\\PlanDir0" + std::to_wstring(group);
  CreateDirectoryW(plans.c_str(), nullptr);
  CreateDirectoryW(folder.c_str(), nullptr);
  std::string record = planName + ":::V1.20:::0000000000:::0:::0:::<@@PLAN_NAME>" + planName +
                       "<@@/PLAN_NAME>";
  for (char& c : record) c = static_cast<char>(static_cast<unsigned char>(c) + 1u);
  expect(writeFileBytes(folder + L"\\" + fileName, record), "cannot write the plan file");
}

std::string settingValue(const std::wstring& dataHome, const std::string& key) {
  const std::optional<std::string> content = readFileBytes(dataHome + L"quillbox2.dat");
  expect(content.has_value(), "cannot read the settings file");
  const std::string start = "\"" + key + "\",\"";
  const std::size_t at = content->find(start);
  expect(at != std::string::npos, "the settings file has no " + key);
  const std::size_t from = at + start.size();
  return content->substr(from, content->find('"', from) - from);
}

bool isShown(HWND window) { return IsWindowVisible(window) && !IsIconic(window); }

void waitForShown(HWND window, const std::string& after) {
  waitFor("the main window to be shown after " + after, kStandardLimitMs,
          [&] { return isShown(window); });
}

bool tabPressed(HWND mainWindow, const std::wstring& caption) {
  for (HWND child : childWindows(mainWindow)) {
    if (windowClassName(child) != L"Button" || controlText(child) != caption) continue;
    return (SendMessageW(child, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  }
  return false;
}

POINT caretOnScreen(HWND field) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  POINT point{};
  if (GetGUIThreadInfo(GetWindowThreadProcessId(field, nullptr), &info) && info.hwndCaret) {
    point = {info.rcCaret.left, info.rcCaret.top};
    ClientToScreen(info.hwndCaret, &point);
  } else {
    ClientToScreen(field, &point);
  }
  return point;
}

// Each phase lasts 60 ms: Wine answers GetAsyncKeyState from a copy it renews every 50 ms while
// the key is up, so a shorter tap can pass between two polls unseen.
void doubleTapShift() {
  keyDown(VK_SHIFT);
  pause(60);
  keyUp(VK_SHIFT);
  pause(60);
  keyDown(VK_SHIFT);
  pause(60);
  keyUp(VK_SHIFT);
}

void pressChord(const std::vector<WORD>& modifiers, WORD key) {
  for (WORD modifier : modifiers) keyDown(modifier);
  pause(30);
  keyDown(key);
  pause(30);
  keyUp(key);
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) keyUp(*it);
}

POINT pointOutside(const RECT& area, const RECT& avoid) {
  for (LONG y = area.bottom - 20; y > area.top; y -= 40) {
    for (LONG x = area.right - 20; x > area.left + 10; x -= 40) {
      const POINT point{x, y};
      if (!PtInRect(&avoid, point)) return point;
    }
  }
  expect(false, "no point of the area lies outside the main window");
  return {};
}

}  // namespace qb::e2e
