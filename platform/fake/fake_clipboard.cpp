#include "platform/fake/fake_clipboard.h"

namespace qb {

bool FakeClipboard::requireOpen(const char* call) {
  if (open_) return true;
  violations_.push_back(std::string(call) + " without open()");
  return false;
}

bool FakeClipboard::open() {
  std::lock_guard lock(mutex_);
  ++opens_;
  if (heldElsewhere_ || busyOpens_ > 0) {
    if (busyOpens_ > 0) --busyOpens_;
    ++failedOpens_;
    return false;
  }
  if (open_) violations_.push_back("open() while already open");
  open_ = true;
  return true;
}

void FakeClipboard::close() {
  std::lock_guard lock(mutex_);
  if (requireOpen("close()")) open_ = false;
}

bool FakeClipboard::hasText() {
  std::lock_guard lock(mutex_);
  return content_ == Content::kText;
}

std::optional<std::string> FakeClipboard::getText() {
  std::lock_guard lock(mutex_);
  if (!requireOpen("getText()") || content_ != Content::kText) return std::nullopt;
  return text_;
}

std::string FakeClipboard::getExactText() {
  std::lock_guard lock(mutex_);
  if (!requireOpen("getExactText()") || content_ != Content::kText) return {};
  return exact_;
}

bool FakeClipboard::setExactText(std::string_view text, std::string_view exact) {
  if (!setText(text)) return false;
  std::lock_guard lock(mutex_);
  exact_ = std::string(exact);
  return true;
}

void FakeClipboard::putExactText(std::string_view text, std::string_view exact) {
  putText(text);
  std::lock_guard lock(mutex_);
  exact_ = std::string(exact);
}

std::string FakeClipboard::currentExactText() const {
  std::lock_guard lock(mutex_);
  return content_ == Content::kText ? exact_ : std::string();
}

bool FakeClipboard::empty() {
  std::lock_guard lock(mutex_);
  if (!requireOpen("empty()")) return false;
  content_ = Content::kNothing;
  text_.clear();
  exact_.clear();
  private_ = false;
  return true;
}

bool FakeClipboard::setText(std::string_view text) {
  std::lock_guard lock(mutex_);
  if (!requireOpen("setText()")) return false;
  if (failingSetTexts_ > 0) {
    --failingSetTexts_;
    return false;
  }
  content_ = Content::kText;
  text_ = std::string(text);
  exact_.clear();
  private_ = false;
  setTexts_.push_back(text_);
  return true;
}

void FakeClipboard::putText(std::string_view text) {
  std::lock_guard lock(mutex_);
  content_ = Content::kText;
  text_ = std::string(text);
  exact_.clear();
  private_ = false;
}

void FakeClipboard::markPrivate() {
  std::lock_guard lock(mutex_);
  private_ = true;
}

bool FakeClipboard::isPrivate() {
  std::lock_guard lock(mutex_);
  if (!requireOpen("isPrivate()")) return false;
  return private_;
}

void FakeClipboard::setNonText() {
  std::lock_guard lock(mutex_);
  content_ = Content::kNonText;
  text_.clear();
  exact_.clear();
  private_ = false;
}

void FakeClipboard::clearContent() {
  std::lock_guard lock(mutex_);
  content_ = Content::kNothing;
  text_.clear();
  exact_.clear();
  private_ = false;
}

void FakeClipboard::busyForNextOpens(int count) {
  std::lock_guard lock(mutex_);
  busyOpens_ = count > 0 ? count : 0;
}

void FakeClipboard::holdElsewhere(bool held) {
  std::lock_guard lock(mutex_);
  heldElsewhere_ = held;
}

void FakeClipboard::failNextSetTexts(int count) {
  std::lock_guard lock(mutex_);
  failingSetTexts_ = count > 0 ? count : 0;
}

bool FakeClipboard::isOpen() const {
  std::lock_guard lock(mutex_);
  return open_;
}

int FakeClipboard::opens() const {
  std::lock_guard lock(mutex_);
  return opens_;
}

int FakeClipboard::failedOpens() const {
  std::lock_guard lock(mutex_);
  return failedOpens_;
}

std::vector<std::string> FakeClipboard::setTexts() const {
  std::lock_guard lock(mutex_);
  return setTexts_;
}

std::optional<std::string> FakeClipboard::currentText() const {
  std::lock_guard lock(mutex_);
  if (content_ != Content::kText) return std::nullopt;
  return text_;
}

int FakeClipboard::protocolViolations() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(violations_.size());
}

std::vector<std::string> FakeClipboard::violations() const {
  std::lock_guard lock(mutex_);
  return violations_;
}

}  // namespace qb
