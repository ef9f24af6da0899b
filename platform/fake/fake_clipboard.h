// A clipboard for tests. Content is text (Shift-JIS), something that is not text, or nothing.
//
// A call that needs the clipboard open (getText, empty, setText, close) made while it
// is not open, and an open() while already open, is a protocol violation: it is counted and
// described in violations(), and the call fails (false / empty). Violations are recorded rather
// than thrown so that the code under test runs on as it would on Windows; tests check
// protocolViolations() == 0.
#pragma once
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clipboard.h"

namespace qb {

class FakeClipboard : public Clipboard {
 public:
  bool open() override;
  void close() override;
  bool hasText() override;
  std::optional<std::string> getText() override;
  std::string getExactText() override;
  bool empty() override;
  bool setText(std::string_view text) override;
  bool setExactText(std::string_view text, std::string_view exact) override;
  bool isPrivate() override;

  // What another program does.
  void putText(std::string_view text);
  // A text code page 932 cannot hold: its code-page-932 form and its exact form (UTF-8).
  void putExactText(std::string_view text, std::string_view exact);
  void setNonText();
  void clearContent();
  // The content carries a privacy format (until the content changes).
  void markPrivate();
  // The next `count` open() calls fail; holding fails every open() until released.
  void busyForNextOpens(int count);
  void holdElsewhere(bool held);
  // The next `count` setText() calls fail and change nothing.
  void failNextSetTexts(int count);

  bool isOpen() const;
  int opens() const;        // every open() call, failed ones included
  int failedOpens() const;
  std::vector<std::string> setTexts() const;  // every text passed to a successful setText
  std::optional<std::string> currentText() const;  // content, without the protocol
  std::string currentExactText() const;            // empty when the text is exact
  int protocolViolations() const;
  std::vector<std::string> violations() const;

 private:
  enum class Content { kNothing, kText, kNonText };
  bool requireOpen(const char* call);

  mutable std::mutex mutex_;
  Content content_ = Content::kNothing;
  std::string text_;
  std::string exact_;
  bool private_ = false;
  bool open_ = false;
  bool heldElsewhere_ = false;
  int busyOpens_ = 0;
  int failingSetTexts_ = 0;
  int opens_ = 0;
  int failedOpens_ = 0;
  std::vector<std::string> setTexts_;
  std::vector<std::string> violations_;
};

}  // namespace qb
