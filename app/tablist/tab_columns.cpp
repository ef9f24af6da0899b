#include "app/tablist/tab_columns.h"

#include <array>

namespace qb {
namespace {

// Visible widths: the marker and value of History are fixed; the other tabs show their label
// (or publisher, plan name) and value columns.
constexpr int kLabelWidth = 120;
constexpr int kValueWidth = 1320;

constexpr std::array kHistory = {
    TabColumn{" ", 10},        TabColumn{"値", kValueWidth}, TabColumn{"DUMMY", 0},
    TabColumn{"ﾌｧｲﾙ名", 0},    TabColumn{"作成日時", 0},     TabColumn{"更新日時", 0},
    TabColumn{"ｶｳﾝﾀ", 0},      TabColumn{"ｻｲｽﾞ", 0},         TabColumn{"取得文書", 0},
    TabColumn{"実値", 0}};
constexpr std::array kSave = {
    TabColumn{"ラベル", kLabelWidth}, TabColumn{"値", kValueWidth}, TabColumn{"DUMMY", 0},
    TabColumn{"ﾌｧｲﾙ名", 0},          TabColumn{"作成日時", 0},     TabColumn{"更新日時", 0},
    TabColumn{"DUMMY", 0},           TabColumn{"ｻｲｽﾞ", 0},         TabColumn{"ﾏｸﾛ保持識別", 0}};
constexpr std::array kRelated = {
    TabColumn{"ラベル", kLabelWidth}, TabColumn{"値", kValueWidth}, TabColumn{"DUMMY", 0},
    TabColumn{"ﾌｧｲﾙ名", 0},          TabColumn{"読込順", 0},       TabColumn{"DUMMY", 0},
    TabColumn{"DUMMY", 0},           TabColumn{"ｻｲｽﾞ", 0},         TabColumn{"実値", 0}};
constexpr std::array kShared = {
    TabColumn{"ラベル", kLabelWidth}, TabColumn{"値", kValueWidth}, TabColumn{"DUMMY", 0},
    TabColumn{"ﾌｧｲﾙ名", 0},          TabColumn{"作成日時", 0},     TabColumn{"更新日時", 0},
    TabColumn{"DUMMY", 0},           TabColumn{"ｻｲｽﾞ", 0},         TabColumn{"実値", 0},
    TabColumn{"ﾃﾞｰﾀ種別", 0},        TabColumn{"ﾏｸﾛ保持識別", 0},  TabColumn{"互換VL", 0},
    TabColumn{"属性", 0}};
// The Open tab's publisher column is 75 wide (`Open_Name_Width=` by default), its value 1260.
constexpr std::array kOpen = {
    TabColumn{"公開者", 75},          TabColumn{"値", 1260},   TabColumn{"DUMMY", 0},
    TabColumn{"IPｱﾄﾞﾚｽ", 0},         TabColumn{"登録順", 0},         TabColumn{"更新日時", 0},
    TabColumn{"状態", 0},            TabColumn{"ｻｲｽﾞ", 0},           TabColumn{"状態回数", 0},
    TabColumn{"要求電文送信回数", 0}, TabColumn{"ｴﾗｰ回数", 0},        TabColumn{"公開/未公開", 0},
    TabColumn{"要求電文ID", 0},      TabColumn{"要求電文送信時間", 0}, TabColumn{"VL", 0},
    TabColumn{"USERID", 0},          TabColumn{"実値", 0},           TabColumn{"同期フラグ", 0}};
// The Plan tab shows what each plan is set up for and its hotkey beside its name.
constexpr std::array kPlan = {
    TabColumn{"プラン名", 240},  TabColumn{"DUMMY", 0},   TabColumn{"DUMMY", 0},
    TabColumn{"ﾌｧｲﾙ名", 0},      TabColumn{"作成日時", 0}, TabColumn{"更新日時", 0},
    TabColumn{"DUMMY", 0},       TabColumn{"ｻｲｽﾞ", 0},     TabColumn{"用途設定", 110},
    TabColumn{"ﾎｯﾄｷｰ設定", 90}};
constexpr std::array kStack = {
    TabColumn{"DUMMY", 0},    TabColumn{"値", kValueWidth}, TabColumn{"DUMMY", 0},
    TabColumn{"ﾌｧｲﾙ名", 0},   TabColumn{"作成日時", 0},     TabColumn{"更新日時", 0},
    TabColumn{"ｶｳﾝﾀ", 0},     TabColumn{"ｻｲｽﾞ", 0},         TabColumn{"出力ﾌﾟﾗﾝ名", 0},
    TabColumn{"実値", 0}};

}  // namespace

std::span<const TabColumn> TabColumns(TabKind kind) {
  switch (kind) {
    case TabKind::kHistory: return kHistory;
    case TabKind::kSave: return kSave;
    case TabKind::kRelated: return kRelated;
    case TabKind::kShared: return kShared;
    case TabKind::kOpen: return kOpen;
    case TabKind::kPlan: return kPlan;
    case TabKind::kStack: return kStack;
  }
  return {};
}

std::string_view TabButtonId(TabKind kind) {
  static constexpr std::array<std::string_view, kTabKindCount> kIds = {
      "IDT1_BTN01", "IDT2_BTN01", "IDT3_BTN01", "IDT4_BTN01",
      "IDT5_BTN01", "IDT6_BTN01", "IDT7_BTN01"};
  int index = static_cast<int>(kind) - 1;
  return index >= 0 && index < kTabKindCount ? kIds[index] : std::string_view();
}

}  // namespace qb
