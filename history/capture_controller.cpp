#include "history/capture_controller.h"

#include <algorithm>

#include "history/clipboard_reader.h"
#include "history/history_record.h"
#include "history/store_folders.h"

namespace qb {
namespace {

constexpr std::size_t kPublishBytes = 8192;
constexpr int kDeferredReadWait = 150;
constexpr int kRejoinWait = 500;
constexpr std::uint64_t kPlacementGuard = 250;
constexpr int kPlacementWait = 100;

}  // namespace

CaptureController::CaptureController(CaptureParts parts)
    : clipboard_(parts.clipboard),
      clock_(parts.clock),
      ui_(parts.ui),
      settings_(parts.settings),
      history_(parts.history),
      stack_(parts.stack),
      handOffs_(parts.handOffs),
      chain_(parts.chain),
      dataHome_(std::move(parts.dataHome)) {}

bool CaptureController::fromDisabledApplication() {
  std::string status = handOffs_.workingDocumentStatus();
  return std::any_of(settings_.DisabledAp.begin(), settings_.DisabledAp.end(),
                     [&](const std::string& name) {
                       return !name.empty() && status.find(name) != std::string::npos;
                     });
}

void CaptureController::onClipboardChanged() {
  if (ui_.isBusy()) return;
  if (fromDisabledApplication()) {
    handOffs_.postDeferredCapture();
    return;
  }
  capture();
}

void CaptureController::onDeferredCapture() {
  clock_.pumpWait(kDeferredReadWait);
  capture();
}

void CaptureController::capture() {
  if (!viewReady_) return;
  if (settings_.Stack_Enable == 1 && handOffs_.planClipboardFlag()) {
    captureDuringPlan();
    return;
  }
  ClipboardText read = ReadClipboardText(clipboard_, clock_, ui_);
  // The read may have waited for the clipboard, and the shutdown may have run meanwhile.
  if (!viewReady_ || read.isPrivate) return;
  handOffs_.publishToLan(std::string_view(read.text).substr(0, kPublishBytes));
  if (settings_.RirekiStop == 1 || read.text.empty()) return;

  // "café" and "cafè" share their code-page-932 form: the exact forms tell them apart.
  bool repeat;
  if (settings_.Rireki_All_Flg == 1) {
    repeat = read.text == allLastText_ && read.fullLength == allLastLength_ &&
             read.exact == allLastExact_;
    allLastText_.clear();
    allLastLength_ = 0;
    allLastExact_.clear();
  } else {
    repeat = read.text == lastText_ && read.fullLength == lastLength_ && read.exact == lastExact_;
  }
  lastText_ = read.text;
  lastLength_ = read.fullLength;
  lastExact_ = read.exact;
  if (!repeat) store(read);
}

void CaptureController::captureDuringPlan() {
  ClipboardText read = ReadClipboardText(clipboard_, clock_, ui_, ClipboardTries::kSingle);
  if (read.isPrivate) return;
  if (settings_.StackHistNotFlg != 1 && !read.text.empty()) {
    std::string fileName;
    if (stack_.store(StackGroupFolder(dataHome_, 0), "－", read.text, &fileName) == 0) {
      handOffs_.stackItemStored(fileName);
    }
  }
  allLastText_.clear();
  allLastLength_ = 0;
  allLastExact_.clear();
  lastText_ = read.text;
  lastLength_ = read.fullLength;
  lastExact_ = read.exact;
}

std::string CaptureController::sourceLabel(std::string_view text) {
  if (std::optional<std::string> publisher = handOffs_.takeLanPublisherOf(text)) {
    return "公開者：" + *publisher;
  }
  std::string status = handOffs_.workingDocumentStatus();
  std::size_t mark = status.find("：");
  if (mark == std::string::npos) return " ";
  std::string title = status.substr(mark + std::string_view("：").size());
  return title.empty() ? " " : title;
}

void CaptureController::store(const ClipboardText& read) {
  const std::string& text = read.text;
  if (history_.addItem(text, sourceLabel(text), read.exact) != 0) return;
  if (settings_.TrayIcomAnimeFlg == 1) handOffs_.flashTrayIcon();
  if (settings_.RirekiDuplicate != 0 && history_.removeDuplicates(text, text.size()) != 0) return;
  history_.reSort();
  if (settings_.RirekiGetPlanFlg != 0) handOffs_.runCapturePlan(settings_.RirekiGetPlanName, text);
}

void CaptureController::onWatchdogTick() {
  if (settings_.RirekiStop == 1) return;
  ClipboardText read = ReadClipboardText(clipboard_, clock_, ui_, ClipboardTries::kSingle);
  if (read.isPrivate || read.text.empty()) return;
  if (read.text != lastText_ || read.fullLength != lastLength_ || read.exact != lastExact_) {
    rejoinChain();
  }
}

void CaptureController::rejoinChain() {
  chain_.leave();
  clock_.pumpWait(kRejoinWait);
  chain_.join();
}

int CaptureController::putTextOnClipboard(std::string_view text, bool takeIntoHistory) {
  return putExactTextOnClipboard(text, {}, takeIntoHistory);
}

int CaptureController::putExactTextOnClipboard(std::string_view text, std::string_view exact,
                                               bool takeIntoHistory) {
  if (!takeIntoHistory) {
    lastText_ = allLastText_ = std::string(text);
    lastLength_ = allLastLength_ = text.size();
    lastExact_ = allLastExact_ = std::string(exact);
  }
  if (windowPlacedAt_ && clock_.milliseconds() - *windowPlacedAt_ < kPlacementGuard) {
    clock_.pumpWait(kPlacementWait);
  }
  if (!OpenClipboardForWrite(clipboard_, clock_, ui_)) return -1;
  if (!clipboard_.empty()) {
    clipboard_.close();
    ui_.showMessage("クリップボードを空にできません", MessageIcon::kStop);
    return -1;
  }
  if (!(exact.empty() ? clipboard_.setText(text) : clipboard_.setExactText(text, exact))) {
    clipboard_.close();
    ui_.showMessage("クリップボードにデータをセットできません", MessageIcon::kStop);
    return -1;
  }
  clipboard_.close();
  return 0;
}

bool CaptureController::onValuePasted(TabKind from, bool partialSelection,
                                      std::string_view value, std::string_view exact) {
  bool fromOtherTab = from != TabKind::kHistory && settings_.OthersTabGet == 1;
  bool historyPart = from == TabKind::kHistory && partialSelection && settings_.RirekiBubunGet == 1;
  if (!fromOtherTab && !historyPart) return false;
  if (history_.addItem(value, kOwnStoreLabel, exact) == 0) history_.reSort();
  return historyPart;
}

}  // namespace qb
