// Command numbers of the main menu (tray icon right-click and the frame's menu button).
#pragma once

namespace qb::shell_command {

inline constexpr int kTrayToggle = 33000;       // "タスクトレイに格納" / "タスクトレイから出す"
inline constexpr int kSettings = 33001;         // "環境設定..."
inline constexpr int kMigrateFromV1 = 33002;    // "補助" → "旧版（V1.XX）からの移行"
inline constexpr int kHelp = 33003;             // "ヘルプ"
inline constexpr int kPlanHelp = 33004;         // "プランヘルプ"
inline constexpr int kAbout = 33005;            // "Quillboxについて..."
inline constexpr int kSuspendHotkeys = 33006;   // "ホットキーの一時停止"
inline constexpr int kExit = 33007;             // "終了"

inline constexpr int kFirst = 33000;
inline constexpr int kLast = 33099;

inline bool IsShellCommand(int command) { return command >= kFirst && command <= kLast; }

}  // namespace qb::shell_command
