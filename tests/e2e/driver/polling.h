// Waiting for something the program does: poll every 50 ms with a time limit, never a fixed sleep.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace qb::e2e {

inline constexpr DWORD kPollIntervalMs = 50;
inline constexpr DWORD kStandardLimitMs = 15000;
// Ending the program includes the tray icon removal, which takes about 4 s under Wine.
inline constexpr DWORD kProgramEndLimitMs = 20000;

// Polls `condition` until it holds or `limitMs` pass; between polls the driver's own window
// messages are dispatched. Returns whether it held.
bool pollUntil(DWORD limitMs, const std::function<bool()>& condition);

// As pollUntil, but a time-out fails the scenario: "timed out after N ms waiting for <what>",
// followed by what `lastSeen` describes, when given.
void waitFor(const std::string& what, DWORD limitMs, const std::function<bool()>& condition,
             const std::function<std::string()>& lastSeen = {});

}  // namespace qb::e2e
