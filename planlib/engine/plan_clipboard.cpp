#include "planlib/engine/plan_clipboard.h"

#include <array>

#include "planlib/engine/plan_limits.h"
#include "planlib/engine/plan_runner.h"

namespace qb {
namespace {

constexpr std::array<int, 4> kOpenRetryWaits = {100, 200, 300, 400};

}  // namespace

PlanClipboard::PlanClipboard(BlockContext& context, Clipboard& clipboard,
                             std::string_view displayName)
    : context_(context), clipboard_(clipboard), displayName_(displayName) {}

int PlanClipboard::fail(std::string_view message) {
  return context_.error(BlockLabel(displayName_) + "\n\n" + std::string(message));
}

int PlanClipboard::open() {
  if (clipboard_.open()) return plan_result::kGoOn;
  for (int wait : kOpenRetryWaits) {
    if (!context_.wait(wait)) return plan_result::kCancel;
    if (clipboard_.open()) return plan_result::kGoOn;
  }
  return fail("クリップボードのオープンに失敗しました(5回ﾘﾄﾗｲ)。　");
}

int PlanClipboard::write(std::string_view text) {
  if (int opened = open(); opened != plan_result::kGoOn) return opened;
  if (!clipboard_.empty()) {
    clipboard_.close();
    return fail("クリップボードの初期化に失敗しました。　");
  }
  bool stored = clipboard_.setText(text);
  clipboard_.close();
  return stored ? plan_result::kGoOn : fail("クリップボードへのデータ格納に失敗しました。　");
}

int PlanClipboard::read(std::optional<std::string>& text) {
  text.reset();
  if (int opened = open(); opened != plan_result::kGoOn) return opened;
  if (clipboard_.hasText()) {
    std::optional<std::string> content = clipboard_.getText();
    if (content && !content->empty()) {
      if (content->size() > kRunValueBytes) content->resize(kRunValueBytes);
      text = std::move(content);
    }
  }
  clipboard_.close();
  return plan_result::kGoOn;
}

}  // namespace qb
