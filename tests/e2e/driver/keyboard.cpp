#include "tests/e2e/driver/keyboard.h"

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
