#include "paste/paste_engine.h"

#include <gtest/gtest.h>

#include "paste/partial_selection_model.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_keyboard.h"
#include "tests/support/ui_expect.h"

namespace qb {
namespace {

constexpr WindowId kMain = 1;
constexpr WindowId kEditor = 7;
constexpr WindowId kEditorControl = 8;
constexpr WindowId kTaskbar = 9;

class FakeHost : public PasteHost {
 public:
  bool isOwnWindow(WindowId window) override { return window == kMain; }
  WindowId mainWindow() override { return kMain; }
  bool alwaysOnTop() override { return onTop; }
  // As the clipboard capture does it, without its retries.
  int putTextOnClipboard(std::string_view text) override {
    ownTexts.emplace_back(text);
    if (!clipboard->open()) return -1;
    const bool written = clipboard->empty() && clipboard->setText(text);
    clipboard->close();
    return written ? 0 : -1;
  }
  int putExactTextOnClipboard(std::string_view text, std::string_view exact) override {
    exactTexts.emplace_back(exact);
    return putTextOnClipboard(text);
  }
  void leaveLinkAndRefresh() override { ++refreshes; }
  bool runPartialSelection(PartialSelectionModel& model) override { return partial(model); }
  void storePastedValue(std::string_view value, bool part) override {
    stored.push_back(std::string(value) + (part ? " (part)" : ""));
  }
  void storePastedExactValue(std::string_view value, std::string_view exact, bool part) override {
    storePastedValue(std::string(value) + " exact " + std::string(exact), part);
  }
  bool onTop = false;
  FakeClipboard* clipboard = nullptr;
  int refreshes = 0;
  std::vector<std::string> ownTexts;
  std::vector<std::string> exactTexts;
  std::vector<std::string> stored;
  std::function<bool(PartialSelectionModel&)> partial;
};

class FakeSource : public PasteSource {
 public:
  std::optional<int> selectedRow() override { return selected; }
  int rowCount() override { return static_cast<int>(rows.size()); }
  std::string valueForUse(int row) override { return rows[row]; }
  std::string wholeValue(int row) override { return rows[row]; }
  std::string exactValue(int row) override { return row < int(exact.size()) ? exact[row] : ""; }
  void countUse(int row, bool bulk) override { uses.push_back(std::to_string(row) + (bulk ? " bulk" : "")); }
  void afterPaste() override { ++afterPastes; }
  std::optional<int> selected = 0;
  std::vector<std::string> rows{"value"};
  std::vector<std::string> exact;
  std::vector<std::string> uses;
  int afterPastes = 0;
};

class PasteEngineTest : public ::testing::Test {
 protected:
  PasteEngineTest() {
    desktop.addWindow(kMain, FakeWindow{"Quillbox", "QuillboxMain", {}, true, 1});
    desktop.addWindow(kEditor, FakeWindow{"メモ帳", "Notepad", {}, true, 2});
    desktop.addWindow(kTaskbar, FakeWindow{"", "Shell_TrayWnd", {}, false, 3});
    clock.advance(1000);
    working.window = kEditor;
    host.clipboard = &clipboard;
  }
  PasteEngine& engine(PasteSettings settings = {}) {
    engine_.emplace(PastePorts{desktop, keyboard, clock, ui}, host, working, settings);
    return *engine_;
  }
  // Times relative to the start of the paste.
  std::vector<std::string> keyLog(std::uint64_t start) {
    std::vector<std::string> lines;
    for (const std::string& line : keyboard.log()) {
      const std::size_t space = line.find(' ');
      lines.push_back(std::to_string(std::stoull(line.substr(0, space)) - start) + line.substr(space));
    }
    return lines;
  }

  FakeClock clock;
  FakeDesktop desktop{clock};
  FakeClipboard clipboard;
  FakeKeyboard keyboard{clock, &clipboard};
  ScriptedUi ui;
  FakeHost host;
  FakeSource source;
  WorkingWindow working;
  std::optional<PasteEngine> engine_;
};

TEST_F(PasteEngineTest, DirectSendAndCtrlChooseBetweenPasteAndCopy) {
  EXPECT_EQ(ChoosePasteFlags(true, false, false), (PasteFlags{true, false}));
  EXPECT_EQ(ChoosePasteFlags(true, true, false), (PasteFlags{false, false}));
  EXPECT_EQ(ChoosePasteFlags(false, false, true), (PasteFlags{false, true}));
  EXPECT_EQ(ChoosePasteFlags(false, true, false), (PasteFlags{true, false}));
  keyboard.hold(kVkControl, true);
  EXPECT_EQ(engine().choosePasteFlags(), (PasteFlags{false, false}));
}

TEST_F(PasteEngineTest, AnOrdinaryPasteActivatesTheWindowAndSendsTheChord) {
  const std::uint64_t start = clock.milliseconds();
  ASSERT_EQ(engine().pasteSelected(source, {true, false}), 0);
  EXPECT_EQ(keyLog(start), (std::vector<std::string>{"40 down 17", "40 down 86", "40 paste value",
                                                      "60 up 86", "60 up 17"}));
  EXPECT_EQ(desktop.log(), (std::vector<std::string>{"1000 raise 1", "1000 raise 1",
                                                      "1000 not-topmost 1", "1000 activate 7"}));
  EXPECT_EQ(host.ownTexts, (std::vector<std::string>{"value"}));
  EXPECT_EQ(host.stored, (std::vector<std::string>{"value"}));
  EXPECT_EQ(source.uses, (std::vector<std::string>{"0"}));
  EXPECT_EQ(source.afterPastes, 1);
  EXPECT_EQ(clipboard.protocolViolations(), 0);
}

// A loaded desktop applies the activation a moment later: keys sent before would go to the
// window that was in front.
TEST_F(PasteEngineTest, TheChordWaitsUntilTheWorkingWindowIsInFront) {
  desktop.delayActivations(150);
  const std::uint64_t start = clock.milliseconds();
  ASSERT_EQ(engine().pasteSelected(source, {true, false}), 0);
  const std::vector<std::string> keys = keyLog(start);
  ASSERT_FALSE(keys.empty());
  EXPECT_GE(std::stoi(keys.front()), 150) << keys.front();
  EXPECT_EQ(desktop.foregroundWindow(), 7u);
}

TEST_F(PasteEngineTest, PasteWaitAndTheCtrlTapDelayTheChord) {
  PasteSettings settings;
  settings.pasteWait = 200;
  settings.refocusTap = true;
  const std::uint64_t start = clock.milliseconds();
  ASSERT_EQ(engine(settings).pasteSelected(source, {true, false}), 0);
  EXPECT_EQ(keyLog(start), (std::vector<std::string>{"230 down 17", "230 up 17", "260 down 17",
                                                      "260 down 86", "260 paste value", "280 up 86",
                                                      "280 up 17"}));
}

TEST_F(PasteEngineTest, KindTwoPastesLinesWithATabSevenHundredMillisecondsLater) {
  source.rows = {"first\r\nsecond"};
  engine().setPasteKind(PasteKind::kLinesToTabs);
  const std::uint64_t start = clock.milliseconds();
  ASSERT_EQ(engine_->pasteSelected(source, {true, false}), 0);
  EXPECT_EQ(keyLog(start), (std::vector<std::string>{
                               "40 down 17", "40 down 86", "40 paste first", "60 up 86", "60 up 17",
                               "760 down 9", "810 up 9", "850 down 17", "850 down 86",
                               "850 paste second", "870 up 86", "870 up 17"}));
  EXPECT_EQ(engine_->pasteKind(), PasteKind::kOrdinary);
}

TEST_F(PasteEngineTest, ACopyPutsTheValueOnTheClipboardOnly) {
  working.window = 0;
  ASSERT_EQ(engine().pasteSelected(source, {false, false}), 0);
  EXPECT_EQ(clipboard.currentText(), "value");
  EXPECT_TRUE(keyboard.events().empty());
  ASSERT_EQ(engine().pasteSelected(source, {true, false}), -1);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "連携している作業中文書がありません");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kInformation);
}

TEST_F(PasteEngineTest, ARefusedActivationSendsNoKeys) {
  host.onTop = true;
  desktop.refuseActivations(5);
  EXPECT_EQ(engine().pasteSelected(source, {true, false}), -1);
  EXPECT_TRUE(keyboard.events().empty());
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "SetForegroundWindow失敗：wS:[0] ACTIVE_WIN:[7]\n");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kExclamation);
}

TEST_F(PasteEngineTest, PreciseModeSetsTheFocusUntilItHolds) {
  PasteSettings settings;
  settings.precise = true;
  engine(settings);
  WorkingWindowTracker tracker(desktop, host, working);
  desktop.setFocusedWindow(kEditorControl);
  tracker.recordFocus();
  EXPECT_EQ(working.focus, kEditorControl);
  EXPECT_EQ(desktop.attachedPairs(), 0);
  desktop.setFocusedWindow(0);
  desktop.loseFocusRequests(3);  // set four times, 100 ms apart, before it holds
  const std::uint64_t start = clock.milliseconds();
  ASSERT_EQ(engine_->pasteSelected(source, {true, false}), 0);
  int focusRequests = 0;
  for (const std::string& line : desktop.log()) focusRequests += line.find(" focus 8") != std::string::npos;
  EXPECT_EQ(focusRequests, 4 + 1);  // the window step, then once more in the keystroke step
  EXPECT_EQ(desktop.focusedWindow(), kEditorControl);
  EXPECT_EQ(keyLog(start).front(), "340 down 17");
  EXPECT_EQ(desktop.attachedPairs(), 0);

  keyboard.hold(kVkShift, false);
  desktop.refuseAttach(true);
  const std::size_t before = keyboard.events().size();
  engine_->pasteSelected(source, {true, false});
  EXPECT_EQ(keyboard.events().size(), before);  // no keys without the attachment
}

TEST_F(PasteEngineTest, TheTrackerIgnoresOwnWindowsAndTheTaskbar) {
  working.window = 0;
  WorkingWindowTracker tracker(desktop, host, working);
  EXPECT_EQ(tracker.statusText(), "作業中文書：連携なし");
  desktop.setForeground(kEditor);
  tracker.track();
  desktop.setForeground(kMain);
  tracker.track();
  desktop.setForeground(kTaskbar);
  tracker.track();
  desktop.setForeground(0);
  tracker.track();
  EXPECT_EQ(working.window, kEditor);
  EXPECT_EQ(tracker.statusText(), "作業中文書：メモ帳");
}

TEST_F(PasteEngineTest, BulkPastesJoinRowsAndDoNotMoveThemUp) {
  source.rows = {"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"};
  source.selected = 3;
  engine().setPasteKind(PasteKind::kRowsAbove);
  ASSERT_EQ(engine_->pasteSelected(source, {true, false}), 0);
  engine_->setPasteKind(PasteKind::kRowsBelowLines);
  source.selected = 8;
  ASSERT_EQ(engine_->pasteSelected(source, {true, false}), 0);
  EXPECT_EQ(keyboard.pastes(), (std::vector<std::string>{"r3r2r1r0", "r8\r\nr9\r\n"}));
  EXPECT_EQ(source.uses, (std::vector<std::string>{"3 bulk", "8 bulk"}));
  source.rows = {std::string(300000, 'a'), std::string(300000, 'b')};
  source.selected = 0;
  engine_->setPasteKind(PasteKind::kRowsBelow);
  engine_->pasteSelected(source, {false, false});
  EXPECT_EQ(clipboard.currentText()->size(), 512000u);
  // A cut that would split a double-byte character ends before it.
  source.rows = {std::string(511999, 'a'), "アイウ"};
  engine_->pasteSelected(source, {false, false});
  EXPECT_EQ(*clipboard.currentText(), std::string(511999, 'a'));
}

TEST_F(PasteEngineTest, WhatHappensDuringThePasteWaitsMovesNoUseCountAndStartsNoPaste) {
  PasteSettings settings;
  settings.precise = true;
  engine(settings);
  working.ownThread = 1;
  working.windowThread = 2;
  working.focus = kEditorControl;
  desktop.loseFocusRequests(2);  // the focus checks wait 100 ms twice
  source.rows = {"older", "chosen"};
  source.selected = 1;
  int nested = 0;
  clock.schedule(50, [&] {
    // A capture puts a new row on top; the selection follows its item.
    source.rows.insert(source.rows.begin(), "captured");
    source.selected = 2;
    // A click on a row arrives inside the paste.
    nested = engine_->pasteSelected(source, {true, false});
    EXPECT_TRUE(engine_->inPaste());
  });
  ASSERT_EQ(engine_->pasteSelected(source, {true, false}), 0);
  EXPECT_EQ(nested, -1);
  EXPECT_EQ(source.uses, (std::vector<std::string>{"2"}));
  EXPECT_EQ(keyboard.pastes(), (std::vector<std::string>{"chosen"}));
  EXPECT_FALSE(engine_->inPaste());
}

TEST_F(PasteEngineTest, SpecialKindsChangeTheValue) {
  EXPECT_EQ(TrimForPaste(" \t　　 値 　\r\n"), "値");
  EXPECT_EQ(TrimForPaste("\x83\x81\x81\x40"), "\x83\x81");  // "メ" then "　"
  EXPECT_EQ(RemoveAllSpaces("a b\tc　d\r\ne"), "abcde");
  EXPECT_EQ(RemoveAllSpaces("\x83\x81@"), "\x83\x81@");  // a trail byte 0x81 before '@' stays
}

TEST_F(PasteEngineTest, ThePartialSelectionReplacesTheValueAndMayFlipTheMode) {
  source.rows = {"ユーザID パスワード"};
  host.partial = [](PartialSelectionModel& model) {
    EXPECT_STREQ(model.modeLabel(), "作業中文書に貼り付け");
    EXPECT_FALSE(model.enter(true, ""));
    EXPECT_STREQ(model.modeLabel(), "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ");
    return model.enter(false, "ユーザID");
  };
  ASSERT_EQ(engine().pasteSelected(source, {true, true}), 0);
  EXPECT_EQ(clipboard.currentText(), "ユーザID");
  EXPECT_TRUE(keyboard.events().empty());  // flipped to a copy
  EXPECT_EQ(host.stored, (std::vector<std::string>{"ユーザID (part)"}));
  host.partial = [](PartialSelectionModel&) { return false; };
  EXPECT_EQ(engine().pasteSelected(source, {true, true}), -1);
  EXPECT_EQ(source.uses.size(), 1u);  // a cancelled selection pastes nothing
}

TEST_F(PasteEngineTest, AFailedClipboardWriteStopsThePasteWithoutKeys) {
  clipboard.holdElsewhere(true);
  EXPECT_EQ(engine().pasteSelected(source, {true, false}), -1);
  EXPECT_TRUE(keyboard.events().empty());
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

// A stored value that code page 932 cannot hold is pasted in its exact form, unless the paste
// changed it (a kind that rewrites it, a part chosen): then the code-page-932 form is all there is.
TEST_F(PasteEngineTest, AValueBeyondCodePage932IsPastedExactWhenThePasteKeepsItWhole) {
  source.rows = {" caf? "};
  source.exact = {" caf\xC3\xA9 "};  // " café " in UTF-8
  PasteEngine& paste = engine();
  ASSERT_EQ(paste.pasteSelected(source, {true, false}), 0);
  EXPECT_EQ(host.exactTexts, (std::vector<std::string>{" caf\xC3\xA9 "}));
  paste.setPasteKind(PasteKind::kTrimmed);
  ASSERT_EQ(paste.pasteSelected(source, {true, false}), 0);
  EXPECT_EQ(host.exactTexts.size(), 1u);
  EXPECT_EQ(host.ownTexts.back(), "caf?");
  // What the History takes of the pastes (OthersTabGet=) has the form that was pasted.
  EXPECT_EQ(host.stored, (std::vector<std::string>{" caf?  exact  caf\xC3\xA9 ", "caf?"}));
}

}  // namespace
}  // namespace qb
