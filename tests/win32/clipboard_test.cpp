// What the clipboard adapter does beyond the port contract.
#include "platform/win32/win32_clipboard.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/win32/message_window.h"

namespace qb {
namespace {

void PutBytes(UINT format, const void* bytes, std::size_t size) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), bytes, size);
  GlobalUnlock(memory);
  if (SetClipboardData(format, memory) == nullptr) GlobalFree(memory);
  CloseClipboard();
}

TEST(Win32Clipboard, WorksWithoutAnOwnerWindow) {
  Win32Clipboard clipboard(nullptr);
  ASSERT_TRUE(clipboard.open());
  EXPECT_TRUE(clipboard.empty());
  EXPECT_TRUE(clipboard.setText("所有者なし"));
  clipboard.close();
  ASSERT_TRUE(clipboard.open());
  EXPECT_EQ(clipboard.getText(), std::string("所有者なし"));
  clipboard.close();
}

TEST(Win32Clipboard, ReadsATextPutOnlyAsShiftJis) {
  const std::string sjis = "表示ソ ｶﾅ";
  PutBytes(CF_TEXT, sjis.c_str(), sjis.size() + 1);
  test::MessageWindow window;
  Win32Clipboard clipboard(window.handle());
  ASSERT_TRUE(clipboard.open());
  EXPECT_TRUE(clipboard.hasText());
  EXPECT_EQ(clipboard.getText(), sjis);
  clipboard.close();
}

// Blocks may be rounded up to this many bytes beyond their size.
constexpr std::size_t GlobalSizeSlack() { return 16; }

TEST(Win32Clipboard, ATextEndsAtItsTerminatorOrItsMemory) {
  const wchar_t early[] = L"ab\0cd";
  PutBytes(CF_UNICODETEXT, early, sizeof(early));
  const wchar_t unterminated[] = {L'x', L'y'};
  Win32Clipboard clipboard(nullptr);
  ASSERT_TRUE(clipboard.open());
  EXPECT_EQ(clipboard.getText(), std::string("ab"));
  clipboard.close();
  PutBytes(CF_UNICODETEXT, unterminated, sizeof(unterminated));
  ASSERT_TRUE(clipboard.open());
  std::optional<std::string> text = clipboard.getText();
  clipboard.close();
  // Never read beyond the block (the system may also cut the last character to end the text).
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->rfind("x", 0), 0u);
  EXPECT_LE(text->size(), 2u + GlobalSizeSlack());
}

}  // namespace
}  // namespace qb
