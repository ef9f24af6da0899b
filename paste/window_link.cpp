#include "paste/window_link.h"

namespace qb {

WindowLink::WindowLink(Desktop& desktop, Ui& ui, WindowId mainWindow)
    : desktop_(desktop), ui_(ui), main_(mainWindow) {}

int WindowLink::link(LinkSide side, WindowId workingWindow, const PasteSettings& settings) {
  if (workingWindow == 0) {
    ui_.showMessage("連結対象の作業中文書（ウィンドウ）が選択されていません　",
                    MessageIcon::kInformation);
    return -1;
  }
  if (!desktop_.isResizable(workingWindow)) {
    ui_.showMessage("連結できないウィンドウです。\nサイズ変更可能なウィンドウのみ連結できます。",
                    MessageIcon::kInformation);
    return -1;
  }
  if (linkedTo_ != 0 && linkedTo_ != workingWindow) {
    ui_.showMessage("他のウィンドウに連結中です", MessageIcon::kInformation);
    return -1;
  }
  const ScreenRect area = desktop_.workArea();
  ScreenRect mine = area;
  ScreenRect theirs = area;
  if (side == LinkSide::kRight) {
    const int width = static_cast<int>(static_cast<long long>(area.width()) * settings.rightShare / 1000);
    mine.left = area.right - width;
    theirs.right = mine.left;
  } else {
    const int height =
        static_cast<int>(static_cast<long long>(area.height()) * settings.bottomShare / 1000);
    mine.top = area.bottom - height;
    theirs.bottom = mine.top;
  }
  desktop_.show(main_, false);
  // Linking again to the same window keeps the rectangle from before the first link.
  if (linkedTo_ == 0) kept_ = desktop_.windowRect(main_);
  desktop_.restore(workingWindow);
  desktop_.move(workingWindow, theirs);
  desktop_.move(main_, mine);
  desktop_.show(main_, true);
  linkedTo_ = workingWindow;
  return 0;
}

void WindowLink::unlink() {
  if (linkedTo_ == 0) return;
  if (kept_) desktop_.move(main_, *kept_);
  linkedTo_ = 0;
  kept_.reset();
}

}  // namespace qb
