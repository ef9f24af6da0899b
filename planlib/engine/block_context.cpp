#include "planlib/engine/block_context.h"

#include "history/file_helpers.h"
#include "planlib/engine/plan_limits.h"

namespace qb {

std::string BlockLabel(std::string_view displayName) {
  return "【操作ブロック[" + std::string(displayName) + "]実行】";
}

namespace {

// True when "<$" occurs. Settings are mostly a few bytes long: a plain loop, no library search.
bool MayHoldVariables(std::string_view setting) {
  for (std::size_t at = 0; at + 1 < setting.size(); ++at) {
    if (setting[at] == '<' && setting[at + 1] == '$') return true;
  }
  return false;
}

}  // namespace

std::string BlockContext::substitute(std::string_view setting) {
  std::string storage;
  std::string_view substituted = substitute(setting, storage);
  return substituted.data() == storage.data() ? std::move(storage) : std::string(substituted);
}

std::string_view BlockContext::substitute(std::string_view setting, std::string& storage) {
  if (!MayHoldVariables(setting)) return setting;
  variables_.setNow(world_.clock.localNow());
  std::optional<std::string> substituted = variables_.substitute(setting, kRunGrowthCeiling);
  if (!substituted) throw PlanValueLimitReached{};
  storage = std::move(*substituted);
  return storage;
}

bool BlockContext::pumpAndCheckStop() {
  if (world_.host != nullptr) world_.host->pumpMessages();
  return stopRequested();
}

int BlockContext::error(std::string_view message) {
  world_.ui.showMessage(message, MessageIcon::kExclamation);
  return -1;
}

bool BlockContext::ask(std::string_view question) {
  return world_.ui.showMessage(question, MessageIcon::kQuestion, MessageButtons::kYesNo) ==
         MessageAnswer::kYes;
}

int BlockContext::valueLimitExceeded() {
  world_.ui.showMessage("プラン内で扱える値の最大値500KBを越えました。　\nプランはキャンセルされます。",
                        MessageIcon::kExclamation);
  return 103;
}

int BlockContext::lineLimitExceeded(std::string_view blockName) {
  world_.ui.showMessage(BlockLabel(blockName) +
                            "\n\n行数がプラン内で扱える最大行数10000行を越えました。　\nプランはキャンセルされます。",
                        MessageIcon::kExclamation);
  return 103;
}

bool BlockContext::wait(long long milliseconds) {
  for (long long waited = 0; waited < milliseconds; waited += 10) {
    if (stopRequested()) return false;
    world_.clock.pumpWait(10);
    if (world_.host != nullptr) world_.host->pumpMessages();
  }
  return !stopRequested();
}

std::optional<std::string> BlockContext::readBlockFile(std::string_view blockName,
                                                       const std::string& path,
                                                       std::string_view readFailure) {
  FileSystem& files = world().files;
  std::optional<FileAttributes> found = files.attributes(path);
  if (!found || found->isFolder) {
    error(BlockLabel(blockName) + "\n\nファイルが見つかりません。　\n( " + path + " )");
    return std::nullopt;
  }
  FileResult<std::string> content = files.readWhole(path);
  if (!content.ok()) {
    error(BlockLabel(blockName) + "\n\n" + std::string(readFailure) + "\n" +
          FileErrorText(content.error.cause) + "\n( " + path + " )");
    return std::nullopt;
  }
  return std::move(content.value);
}

}  // namespace qb
