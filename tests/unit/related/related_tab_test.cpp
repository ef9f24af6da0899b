// The related-files tabs: the lines of a linked file as rows, the group combo box, linking,
// unlinking and the editors, and the paste of a line's value with its macros.
#include "tabs/related/related_tab.h"

#include <gtest/gtest.h>

#include "app/tablist/menu_commands.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_keyboard.h"
#include "platform/fake/scripted_ui.h"
#include "tabs/related/related_commands.h"
#include "tests/support/ui_expect.h"

namespace qb {
namespace {

namespace mc = menu_command;
namespace rc = related_command;

class CopyHost : public PasteHost {
 public:
  bool isOwnWindow(WindowId window) override { return window == 1; }
  WindowId mainWindow() override { return 1; }
  bool alwaysOnTop() override { return false; }
  int putTextOnClipboard(std::string_view text) override {
    copied.emplace_back(text);
    return 0;
  }
  void leaveLinkAndRefresh() override {}
  bool runPartialSelection(PartialSelectionModel&) override { return false; }
  void storePastedValue(std::string_view, bool) override {}
  std::vector<std::string> copied;
};

class ScriptedHost : public RelatedTabHost {
 public:
  std::optional<std::string> chooseFile(std::string_view caption, std::string_view filter,
                                        std::string_view folder) override {
    calls.push_back(std::string(caption) + " " + std::string(filter) + (ui->isBusy() ? " busy" : ""));
    folders.emplace_back(folder);
    return chosen;
  }
  int openWithShell(std::string_view file, std::string_view parameters) override {
    calls.push_back(std::string(file) + " " + std::string(parameters));
    return shellResult;
  }
  void showContent(const std::string& value) override { calls.push_back("content " + value); }
  ScriptedUi* ui = nullptr;
  std::optional<std::string> chosen;
  int shellResult = 42;
  std::vector<std::string> calls;
  std::vector<std::string> folders;
};

class Inputs : public InputDialogRunner {
 public:
  bool runModal(InputDialogModel& model) override {
    return model.ok({"山田", "", "", "", ""}, false);
  }
};

class RelatedTabTest : public ::testing::Test {
 protected:
  RelatedTabTest() {
    desktop.addWindow(1, FakeWindow{"Quillbox", "QuillboxMain", {}, true, 1});
    host.ui = &ui;
    files.ENABLE = 1;
    files.SANSYO_TEXT_ON[2] = 1;
    files.SANSYO_TEXT_TAB[2] = "関連3";
    for (auto& width : files.SANSYO_TEXT_WIDTH[2]) width = 75;
  }
  std::vector<std::string> copy(int row) {
    pasteHost.copied.clear();
    tab.runMenuCommand(row, mc::kCopyToClipboard);
    return pasteHost.copied;
  }
  std::string column(int column) const {
    std::string all;
    for (int row = 0; row < list.rowCount(); ++row) all += list.text(row, column) + ",";
    return all;
  }

  FakeClock clock{DateTime{2026, 3, 4, 15, 7, 9, 0}};
  FakeFileSystem fs{clock};
  ScriptedUi ui;
  FakeDesktop desktop{clock};
  FakeClipboard clipboard;
  FakeKeyboard keyboard{clock, &clipboard};
  CopyHost pasteHost;
  WorkingWindow working;
  PasteEngine engine{PastePorts{desktop, keyboard, clock, ui}, pasteHost, working, PasteSettings{}};
  MacroAnalyzer analyzer{ui, clock};
  Inputs inputs;
  InputMethodMemory ime;
  EnvironmentSettings settings;
  RelatedFileSettings files;
  ScriptedHost host;
  CRelatedList list{fs, ui, settings};
  std::vector<std::string> stored;
  int settingsWrites = 0;
  RelatedTab tab{RelatedTabParts{
      2, list, engine, analyzer, inputs, ime, files, settings, ui, host,
      [this](int group, std::string_view label, std::string_view value) {
        stored.push_back(std::to_string(group) + ":" + std::string(label) + "=" + std::string(value));
        return 0;
      },
      [this] { ++settingsWrites; }}};
};

TEST_F(RelatedTabTest, EachLineIsARowWithItsLabelReadOrderAndSize) {
  fs.putFile("C:\\doc\\定型.txt", "件名:::よろしくお願いします\r\na:::b:::c\r\n\r\nplain\tline\r\n");
  files.SANSYO_TEXT_DIR[2][4] = "C:\\doc\\定型.txt";
  settings.KaigyoTabDsp = 1;
  tab.start();
  EXPECT_EQ(tab.currentGroup(), 4);
  EXPECT_EQ(column(0), "件名,a,,,");
  EXPECT_EQ(column(1), "よろしくお願いします,b:::c,,plain・line,");
  EXPECT_EQ(column(4), "00000001,00000002,00000003,00000004,");
  EXPECT_EQ(column(7), "00000020,00000005,00000000,00000010,");
  EXPECT_EQ(copy(0), (std::vector<std::string>{"よろしくお願いします"}));
  EXPECT_EQ(copy(3), (std::vector<std::string>{"plain\tline"}));

  tab.sortBy(rc::kSortBySize);
  EXPECT_EQ(column(4), "00000003,00000002,00000004,00000001,");
  tab.sortBy(rc::kSortByReadOrder);  // the file's order again
  EXPECT_EQ(column(4), "00000001,00000002,00000003,00000004,");
  EXPECT_TRUE(tab.sortMenu().find(rc::kSortByReadOrder)->checked);
  ExpectUiScriptFinished(ui);
  EXPECT_TRUE(fs.calls().size() > 0);
  for (const FileCall& call : fs.calls()) {
    EXPECT_TRUE(call.operation == FileOperation::kReadWhole) << "the linked file is only read";
  }
}

TEST_F(RelatedTabTest, AFileOf6000LinesShowsItsFirst5000) {
  std::string text;
  for (int i = 1; i <= 6000; ++i) text += "line" + std::to_string(i) + "\r\n";
  fs.putFile("C:\\big.txt", text);
  files.SANSYO_TEXT_DIR[2][0] = "C:\\big.txt";
  tab.start();
  ASSERT_EQ(list.rowCount(), 5000);
  EXPECT_EQ(list.text(4999, 1), "line5000");
  EXPECT_EQ(list.text(4999, 4), "00005000");
}

TEST_F(RelatedTabTest, ALineIsPastedWithItsMacrosExpanded) {
  fs.putFile("C:\\m.txt", "日付:::<@@SYSDATE><@MM10/>/<@DD10/><@@/SYSDATE> <@@ACTIONIN><@IN01/><@@/ACTIONIN>");
  files.SANSYO_TEXT_DIR[2][0] = "C:\\m.txt";
  tab.start();
  EXPECT_EQ(tab.valueForUse(0), "03/04 山田");
  tab.runMenuCommand(0, mc::CopyToSaveGroupCommand(3));
  EXPECT_EQ(stored, (std::vector<std::string>{
                        "3:日付=<@@SYSDATE><@MM10/>/<@DD10/><@@/SYSDATE> <@@ACTIONIN><@IN01/><@@/ACTIONIN>"}));
}

TEST_F(RelatedTabTest, TheComboListsTheLinkedFilesByNameAndAnUnreadableOneIsReported) {
  EXPECT_EQ(tab.comboEntries(), (std::vector<std::string>{" <<関連ﾌｧｲﾙ未設定>>"}));
  fs.putFile("C:\\予定表.txt", "x");
  files.SANSYO_TEXT_DIR[2][1] = "C:\\予定表.txt";
  files.SANSYO_TEXT_DIR[2][7] = "C:\\gone\\old.txt";
  tab.start();
  EXPECT_EQ(tab.comboEntries(), (std::vector<std::string>{"予定表.txt", "old.txt"}));
  EXPECT_EQ(tab.comboSelection(), 0);
  tab.setLabelWidth(140);
  tab.chooseComboEntry(1);
  EXPECT_EQ(files.SANSYO_TEXT_WIDTH[2][1], 140);  // kept for the group left
  EXPECT_EQ(tab.currentGroup(), 7);
  EXPECT_EQ(tab.comboSelection(), 1);
  EXPECT_EQ(list.rowCount(), 0);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text,
            "関連ﾌｧｲﾙﾌｧｲﾙの読み込みに失敗しました。ファイルが存在しない可能性があります。\n(C:\\gone\\old.txt)");
  EXPECT_EQ(files.SANSYO_TEXT_DIR[2][7], "C:\\gone\\old.txt");  // the link stays
}

TEST_F(RelatedTabTest, LinkingOpensTheFileDialogWhileBusyAndUnlinkingTheOnlyFileLeavesNone) {
  fs.putFile("C:\\doc\\a.txt", "件名:::よろしくお願いします");
  host.chosen = "C:\\doc\\a.txt";
  tab.start();
  tab.runLinkCommand(rc::kLink);
  EXPECT_EQ(host.calls[0], "Quillbox＜ファイルの関連付け＞ テキスト(*.txt)|*.txt|全て(*.*)|*.*|| busy");
  EXPECT_EQ(files.SANSYO_TEXT_DIR[2][0], "C:\\doc\\a.txt");
  EXPECT_EQ(settingsWrites, 1);
  EXPECT_EQ(list.rowCount(), 1);
  EXPECT_EQ(tab.comboEntries(), (std::vector<std::string>{"a.txt"}));

  host.chosen = "C:\\doc\\b.txt";  // the next link goes to a free group
  fs.putFile("C:\\doc\\b.txt", "b");
  tab.link();
  EXPECT_EQ(host.folders, (std::vector<std::string>{"", "C:\\doc"}));  // the current file's folder
  EXPECT_EQ(files.SANSYO_TEXT_DIR[2][1], "C:\\doc\\b.txt");
  tab.chooseComboEntry(0);

  ui.expectAnswer(MessageAnswer::kNo);
  tab.unlink();
  EXPECT_EQ(ui.boxes().back().text, "ファイルとの関連を解除します。よろしいですか。\n\nC:\\doc\\a.txt");
  EXPECT_EQ(files.SANSYO_TEXT_DIR[2][0], "C:\\doc\\a.txt");
  ui.expectAnswer(MessageAnswer::kYes);
  tab.unlink();
  ui.expectAnswer(MessageAnswer::kYes);
  tab.unlink();
  EXPECT_EQ(tab.comboEntries(), (std::vector<std::string>{" <<関連ﾌｧｲﾙ未設定>>"}));
  EXPECT_EQ(list.rowCount(), 0);
  EXPECT_EQ(settingsWrites, 4);
  tab.unlink();
  EXPECT_EQ(ui.boxes().back().text, "関連付けられたファイルが存在しません");
  ExpectUiScriptFinished(ui);
  EXPECT_EQ(fs.contentOf("C:\\doc\\a.txt").value_or(""), "件名:::よろしくお願いします");
}

TEST_F(RelatedTabTest, TheEditorsOpenTheLinkedFileAndAFailedStartIsReported) {
  tab.edit(true);
  EXPECT_EQ(ui.boxes().back().text, "編集対象が存在しません");
  files.SANSYO_TEXT_DIR[2][0] = "C:\\a.txt";
  tab.start();
  ui.clear();
  tab.edit(true);
  tab.edit(false);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"notepad.exe \"C:\\a.txt\"", "C:\\a.txt "}));
  ui.clear();
  host.shellResult = 31;
  tab.runLinkCommand(rc::kEditAssociated);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text,
            "編集エディタの起動に失敗しました。\nエディタに関連付けされていない可能性があります。");
}

TEST_F(RelatedTabTest, ShownCaptionColoursAndExplanationFollowTheSettings) {
  EXPECT_TRUE(tab.shown());
  EXPECT_EQ(tab.caption(), "関連3");
  files.ENABLE = 0;
  EXPECT_FALSE(tab.shown());
  settings.TabColorTextKf[2] = 0x0000FF;
  settings.TabColorBackKf[2] = 20000000;
  EXPECT_EQ(tab.colours().text, 0x0000FFu);
  EXPECT_FALSE(tab.colours().background);
  settings.TabHelpDsp = 1;
  EXPECT_EQ(tab.explanation().rfind("【関連ファイルタブ】\n\n関連ファイルタブにテキストファイルを", 0), 0u);
  settings.TabHelpDsp = 0;
  EXPECT_EQ(tab.explanation(), "");
}

}  // namespace
}  // namespace qb
