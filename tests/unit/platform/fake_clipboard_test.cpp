// The fake clipboard: busy opens, what another program does, and protocol violations.
#include "platform/fake/fake_clipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qb {
namespace {

TEST(FakeClipboardOpen, BusyOpensFailThenTheClipboardOpens) {
  FakeClipboard clipboard;
  clipboard.busyForNextOpens(2);
  EXPECT_FALSE(clipboard.open());
  EXPECT_FALSE(clipboard.open());
  EXPECT_TRUE(clipboard.open());
  clipboard.close();
  EXPECT_EQ(clipboard.opens(), 3);
  EXPECT_EQ(clipboard.failedOpens(), 2);
  EXPECT_EQ(clipboard.protocolViolations(), 0);
}

TEST(FakeClipboardOpen, AHoldElsewhereFailsEveryOpenUntilReleased) {
  FakeClipboard clipboard;
  clipboard.holdElsewhere(true);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(clipboard.open());
  clipboard.holdElsewhere(false);
  EXPECT_TRUE(clipboard.open());
  EXPECT_TRUE(clipboard.isOpen());
}

TEST(FakeClipboardContent, OnlyTextsSetThroughThePortAreRecorded) {
  FakeClipboard clipboard;
  clipboard.putText("copied elsewhere");
  ASSERT_TRUE(clipboard.open());
  EXPECT_EQ(clipboard.getText(), std::string("copied elsewhere"));
  clipboard.setText("pasted");
  clipboard.close();
  EXPECT_EQ(clipboard.setTexts(), std::vector<std::string>{"pasted"});
  EXPECT_EQ(clipboard.currentText(), std::string("pasted"));
}

TEST(FakeClipboardContent, NonTextContentHasNoText) {
  FakeClipboard clipboard;
  clipboard.putText("x");
  clipboard.setNonText();
  ASSERT_TRUE(clipboard.open());
  EXPECT_FALSE(clipboard.hasText());
  EXPECT_EQ(clipboard.getText(), std::nullopt);
  clipboard.close();
  EXPECT_EQ(clipboard.currentText(), std::nullopt);
}

TEST(FakeClipboardContent, AFailedSetTextChangesNothing) {
  FakeClipboard clipboard;
  clipboard.putText("before");
  clipboard.failNextSetTexts(1);
  ASSERT_TRUE(clipboard.open());
  EXPECT_FALSE(clipboard.setText("lost"));
  EXPECT_TRUE(clipboard.setText("after"));
  clipboard.close();
  EXPECT_EQ(clipboard.setTexts(), std::vector<std::string>{"after"});
}

TEST(FakeClipboardProtocol, CallsOutsideOpenAndDoubleOpensAreViolations) {
  FakeClipboard clipboard;
  clipboard.putText("x");
  EXPECT_TRUE(clipboard.hasText());  // the format is seen without opening
  EXPECT_EQ(clipboard.getText(), std::nullopt);
  EXPECT_FALSE(clipboard.setText("y"));
  EXPECT_FALSE(clipboard.empty());
  clipboard.close();
  EXPECT_EQ(clipboard.protocolViolations(), 4);
  EXPECT_EQ(clipboard.currentText(), std::string("x"));
  ASSERT_TRUE(clipboard.open());
  EXPECT_TRUE(clipboard.open());
  EXPECT_EQ(clipboard.protocolViolations(), 5);
  EXPECT_EQ(clipboard.violations().back(), "open() while already open");
}

}  // namespace
}  // namespace qb
