#include "paste/window_link.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_desktop.h"
#include "tests/support/ui_expect.h"

namespace qb {
namespace {

constexpr WindowId kMain = 1;
constexpr WindowId kEditor = 7;
constexpr WindowId kDialog = 8;

class WindowLinkTest : public ::testing::Test {
 protected:
  WindowLinkTest() {
    desktop.setWorkArea({0, 0, 1000, 700});
    desktop.addWindow(kMain, FakeWindow{"Quillbox", "Main", {50, 60, 350, 460}, true, 1});
    desktop.addWindow(kEditor, FakeWindow{"メモ帳", "Notepad", {10, 10, 500, 500}, true, 2});
    desktop.addWindow(kDialog, FakeWindow{"設定", "#32770", {0, 0, 10, 10}, false, 2});
    settings.rightShare = 190;
    settings.bottomShare = 333;
  }
  FakeClock clock;
  FakeDesktop desktop{clock};
  ScriptedUi ui;
  WindowLink link{desktop, ui, kMain};
  PasteSettings settings;
};

TEST_F(WindowLinkTest, RightAndBottomLinksShareTheWorkArea) {
  ASSERT_EQ(link.link(LinkSide::kRight, kEditor, settings), 0);
  EXPECT_EQ(desktop.window(kMain).rect, (ScreenRect{810, 0, 1000, 700}));
  EXPECT_EQ(desktop.window(kEditor).rect, (ScreenRect{0, 0, 810, 700}));
  EXPECT_TRUE(desktop.window(kEditor).restored);
  EXPECT_TRUE(desktop.window(kMain).visible);
  ASSERT_EQ(link.link(LinkSide::kBottom, kEditor, settings), 0);
  EXPECT_EQ(desktop.window(kMain).rect, (ScreenRect{0, 467, 1000, 700}));  // 700 * 333 / 1000 = 233
  EXPECT_EQ(desktop.window(kEditor).rect, (ScreenRect{0, 0, 1000, 467}));
  link.unlink();
  EXPECT_EQ(desktop.window(kMain).rect, (ScreenRect{50, 60, 350, 460}));
  EXPECT_FALSE(link.linked());
  ExpectUiScriptFinished(ui);
}

TEST_F(WindowLinkTest, LinksAreRefusedWithTheirReasons) {
  EXPECT_EQ(link.link(LinkSide::kRight, 0, settings), -1);
  EXPECT_EQ(link.link(LinkSide::kRight, kDialog, settings), -1);
  ASSERT_EQ(link.link(LinkSide::kRight, kEditor, settings), 0);
  desktop.window(kDialog).resizable = true;
  EXPECT_EQ(link.link(LinkSide::kRight, kDialog, settings), -1);
  ASSERT_EQ(ui.boxes().size(), 3u);
  EXPECT_EQ(ui.boxes()[0].text, "連結対象の作業中文書（ウィンドウ）が選択されていません　");
  EXPECT_EQ(ui.boxes()[1].text, "連結できないウィンドウです。\nサイズ変更可能なウィンドウのみ連結できます。");
  EXPECT_EQ(ui.boxes()[2].text, "他のウィンドウに連結中です");
  EXPECT_EQ(ui.boxes()[2].icon, MessageIcon::kInformation);
}

}  // namespace
}  // namespace qb
