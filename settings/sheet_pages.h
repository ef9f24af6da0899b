// The thirteen pages of the settings sheet "Quillbox＜環境設定＞" as data: each page's title and
// its controls, each control bound to one settings key (or a command), with the caption beside
// it and the help text (tool tip) that says what it sets. The view lays the controls out from
// this description; the sheet model reads and writes the keys.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

enum class SettingsFileId { kEnvironment, kRelatedFiles };

enum class SheetControlKind {
  kCheck,   // 0 or 1
  kNumber,  // an integer within [minimum, maximum]
  kText,
  kChoice,  // one of `choices`
  kColour,  // a COLORREF, or 20000000 for the system colour
  kButton,  // runs `command`
};

struct SheetChoice {
  std::int32_t value;
  std::string caption;
};

// What a button of the sheet runs (the host of the sheet carries it out).
enum class SheetCommand {
  kNone,
  kMultiHotkeys,         // "マルチホットキーの設定..."
  kPlanHotkeys,          // "プランホットキー一覧の表示"
  kDisabledApplications, // "Quillbox＜不具合AP対応設定＞"
  kInstallCallPlans,     // the 9 standard plans of the plan-call group
  kInstallHotkeyPlans3,  // the 3 standard plans of the hotkey group
  kInstallHotkeyPlans33, // the 33 standard plans of the hotkey group
};

struct SheetControl {
  SheetControlKind kind = SheetControlKind::kCheck;
  std::string key;  // with its "=", e.g. "DIRECT_SEND="; empty for a button
  SettingsFileId file = SettingsFileId::kEnvironment;
  std::string caption;
  std::string help;
  std::vector<SheetChoice> choices;
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
  SheetCommand command = SheetCommand::kNone;
};

struct SheetPage {
  std::string title;
  std::vector<SheetControl> controls;
};

inline constexpr int kSettingsPageCount = 13;
// Page indexes in tab order.
namespace settings_page {
inline constexpr int kCommon = 0, kDisplay = 1, kKeys = 2, kMacros = 3, kHistory = 4, kSave = 5,
                     kRelated = 6, kPublish = 7, kShare = 8, kPlan = 9, kStack = 10,
                     kAuxiliary = 11, kTrouble = 12;
}

const std::vector<SheetPage>& SettingsSheetPages();

}  // namespace qb
