// What the scenarios of the call-up share: data homes with settings and plans, the state of the
// main window as the user sees it, and the user's gestures (double tap, hotkey chord).
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/driver/scenarios.h"

namespace qb::e2e {

using SettingLines = std::vector<std::pair<std::string, std::string>>;

// A fresh data home (ending in a backslash) whose settings file holds these keys only.
std::wstring dataHomeWithSettings(const ScenarioContext& context, const std::wstring& name,
                                  const SettingLines& settings);
// A plan file of a plan group: the record with the plan's name, byte-shifted as stored.
void putPlanFile(const std::wstring& dataHome, int group, const std::wstring& fileName,
                 const std::string& planName);
// The value of one key in the data home's settings file, as written.
std::string settingValue(const std::wstring& dataHome, const std::string& key);

// Shown and not minimised.
bool isShown(HWND window);
void waitForShown(HWND window, const std::string& after);
// The main window's tab button with this caption is pressed.
bool tabPressed(HWND mainWindow, const std::wstring& caption);
// The caret of the window's thread, on the screen; the field's top-left when there is none.
POINT caretOnScreen(HWND field);

// Shift down and up twice within about 180 ms.
void doubleTapShift();
// The modifiers held while the key goes down and up.
void pressChord(const std::vector<WORD>& modifiers, WORD key);
// A point of `area` outside `avoid`; fails the scenario when there is none.
POINT pointOutside(const RECT& area, const RECT& avoid);

}  // namespace qb::e2e
