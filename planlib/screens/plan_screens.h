// The run-time windows of a plan as models: what each shows, and what the user's answers do.
// The plan library's views show them; the blocks read the answer afterwards. A window that ends
// without an answer (the plan thread was told to quit) counts as a cancelled plan.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace qb {

struct PlanColor {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const PlanColor&) const = default;
};

// The topmost notice window: a short text in its colours, for a time.
struct PlanNotice {
  std::string text;
  int milliseconds = 0;
  PlanColor textColor;
  PlanColor backColor;
};

// The notices a block shows before it cancels the plan: 2000 ms, RGB(0,64,0) on RGB(230,235,116).
PlanNotice CancelNotice(std::string_view text);

// The first `bytes` bytes (one more when a double-byte character would be split) and "..." when
// the text is longer; else the text.
std::string ShortenForDisplay(std::string_view text, std::size_t bytes);

// Asks "プランの実行をキャンセルします。　\nよろしいですか？"; true for Yes.
bool ConfirmPlanCancel(Ui& ui);

enum class ScreenAnswer { kNone, kOk, kSuppressLater, kCancelPlan };

// "プラン実行［プラン変数（作業用）設定］": one value typed, or chosen with a file or folder chooser.
enum class PlanInputKind { kOneLine, kMultiLine, kOpenFile, kSaveFile, kFolder };

class PlanInputModel {
 public:
  static constexpr std::string_view kCaption = "プラン実行［プラン変数（作業用）設定］";

  PlanInputModel(Ui& ui, std::string heading, PlanInputKind kind, bool required,
                 std::string value);

  const std::string& heading() const { return heading_; }
  PlanInputKind kind() const { return kind_; }
  bool multiLine() const { return kind_ == PlanInputKind::kMultiLine; }
  bool offersChooser() const;
  // The prefill; after OK the entry.
  const std::string& value() const { return value_; }

  // OK with the entry: true closes the window. A required input left empty shows "入力必須です。　"
  // and stays open.
  bool ok(std::string entry);
  // The cancel button or the close box: true when the user confirmed (the window closes).
  bool cancel();
  ScreenAnswer answer() const { return answer_; }

 private:
  Ui& ui_;
  std::string heading_;
  PlanInputKind kind_;
  bool required_;
  std::string value_;
  ScreenAnswer answer_ = ScreenAnswer::kNone;
};

// "プラン実行［文字列表示］": a heading and a read-only text.
class PlanDisplayModel {
 public:
  static constexpr std::string_view kCaption = "プラン実行［文字列表示］";
  static constexpr std::string_view kOkButton = "OK";
  static constexpr std::string_view kCancelButton = "プラン実行のキャンセル";
  static constexpr std::string_view kSuppressButton = "これ以降は表示しない";

  PlanDisplayModel(Ui& ui, std::string heading, std::string text, bool offerSuppress);

  const std::string& heading() const { return heading_; }
  const std::string& text() const { return text_; }
  bool offersSuppress() const { return offerSuppress_; }

  void ok() { answer_ = ScreenAnswer::kOk; }
  void suppressLater() { answer_ = ScreenAnswer::kSuppressLater; }
  // True when the user confirmed the cancel (the window closes).
  bool cancel();
  ScreenAnswer answer() const { return answer_; }

 private:
  Ui& ui_;
  std::string heading_;
  std::string text_;
  bool offerSuppress_;
  ScreenAnswer answer_ = ScreenAnswer::kNone;
};

// "プラン実行［選択画面］": a heading and up to 12 buttons; a button chooses and closes.
class PlanSelectModel {
 public:
  static constexpr std::string_view kCaption = "プラン実行［選択画面］";
  static constexpr int kMaxButtons = 12;

  PlanSelectModel(Ui& ui, std::string heading, std::vector<std::string> buttons);

  const std::string& heading() const { return heading_; }
  const std::vector<std::string>& buttons() const { return buttons_; }

  // Button 1..count; false for another number.
  bool choose(int button);
  bool cancel();
  ScreenAnswer answer() const { return answer_; }
  // The chosen button, 1-based; 0 before a choice.
  int chosen() const { return chosen_; }

 private:
  Ui& ui_;
  std::string heading_;
  std::vector<std::string> buttons_;
  int chosen_ = 0;
  ScreenAnswer answer_ = ScreenAnswer::kNone;
};

}  // namespace qb
