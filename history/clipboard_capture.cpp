#include "history/clipboard_capture.h"

#include "history/clipboard_reader.h"

namespace qb {

ClipboardCapture::ClipboardCapture(Clipboard& clipboard, Clock& clock, Ui& ui,
                                   HistoryItemStore& store)
    : clipboard_(clipboard), clock_(clock), ui_(ui), store_(store) {}

void ClipboardCapture::onClipboardChanged(std::string_view sourceLabel) {
  if (!viewReady_ || ui_.isBusy()) return;
  ClipboardText read = ReadClipboardText(clipboard_, clock_, ui_);
  if (stopped_ || read.text.empty()) return;
  if (read.text == lastText_ && read.fullLength == lastLength_) return;
  lastText_ = read.text;
  lastLength_ = read.fullLength;
  store_.add(read.text, sourceLabel);
}

void ClipboardCapture::rememberOwnText(std::string_view text) {
  lastText_ = std::string(text);
  lastLength_ = text.size();
}

}  // namespace qb
