// What clipboard capture hands on to, and asks of, the rest of the program: the LAN publish, the
// capture plan, the tray icon, the status text of the working document, the clipboard chain.
// Each default does nothing, for the parts of the program that are not there.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace qb {

class CaptureHandOffs {
 public:
  virtual ~CaptureHandOffs() = default;

  // The working-document status text ("作業中文書：" + the window title); empty while there is
  // no working window.
  virtual std::string workingDocumentStatus() { return {}; }
  // The publisher's name when `text` equals the text that last arrived from the LAN publish;
  // that text is forgotten then.
  virtual std::optional<std::string> takeLanPublisherOf(std::string_view /*text*/) {
    return std::nullopt;
  }
  // The captured text, at most 8192 bytes; the publish decides whether to send it.
  virtual void publishToLan(std::string_view /*text*/) {}
  // Set while a plan drives the keyboard or the clipboard.
  virtual bool planClipboardFlag() { return false; }
  // A text of a plan run was stored in Stack group 00 under this file name.
  virtual void stackItemStored(const std::string& /*fileName*/) {}
  // The tray icon shows its capture image for 700 ms (when it is shown).
  virtual void flashTrayIcon() {}
  // Runs the capture plan on the text, or counts a skipped capture while a plan is busy.
  virtual void runCapturePlan(std::string_view /*planName*/, std::string_view /*text*/) {}
  // Posts "クリップボードから取得（不具合アプリ用）" to the view; its handler calls
  // CaptureController::onDeferredCapture.
  virtual void postDeferredCapture() {}
};

// The system's clipboard-change notices: joining makes the system send a fresh notice.
class ClipboardChain {
 public:
  virtual ~ClipboardChain() = default;
  virtual void join() = 0;
  virtual void leave() = 0;
};

}  // namespace qb
