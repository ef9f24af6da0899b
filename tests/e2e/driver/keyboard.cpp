#include "tests/e2e/driver/keyboard.h"

#include <vector>

#include "tests/e2e/driver/failure.h"

namespace qb::e2e {

void pressKey(WORD virtualKey) {
  INPUT strokes[2] = {};
  for (INPUT& stroke : strokes) {
    stroke.type = INPUT_KEYBOARD;
    stroke.ki.wVk = virtualKey;
  }
  strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
  expect(SendInput(2, strokes, sizeof(INPUT)) == 2,
         "SendInput refused key " + std::to_string(virtualKey) + ", error " +
             std::to_string(GetLastError()));
}

}  // namespace qb::e2e

namespace qb::e2e {

void typeText(const std::wstring& text) {
  std::vector<INPUT> strokes;
  for (wchar_t character : text) {
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT stroke{};
      stroke.type = INPUT_KEYBOARD;
      stroke.ki.wScan = character;
      stroke.ki.dwFlags = KEYEVENTF_UNICODE | up;
      strokes.push_back(stroke);
    }
  }
  const UINT sent = SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
  expect(sent == strokes.size(), "SendInput refused the text, error " + std::to_string(GetLastError()));
}

}  // namespace qb::e2e
