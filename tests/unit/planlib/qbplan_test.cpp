// The qbplan command: exit codes, standard output and the messages on standard error.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/unit/planlib/plan_test_support.h"
#include "tools/qbplan/console_ui.h"
#include "tools/qbplan/qbplan_command.h"

namespace qb {
namespace {

using namespace test;

class QbplanTest : public ::testing::Test {
 protected:
  int run(std::vector<std::string> arguments, std::string_view input = "") {
    std::istringstream in{std::string(input)};
    out.str("");
    err.str("");
    return RunQbplan(arguments, {in, out, err}, files, clock, "C:\\Q\\PlanDataHome");
  }
  void plan(std::string_view text) { files.putFile("C:\\plans\\p.txt", text); }

  FakeClock clock;
  FakeFileSystem files{clock};
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(QbplanTest, CompletedRunWritesTheResult) {
  plan(Plan(Line(Insert(4, "> ")) + Insert(5, "<$データホームフォルダ>")));
  EXPECT_EQ(run({"run", "C:\\plans\\p.txt"}, "a\r\nb"), 0);
  EXPECT_EQ(out.str(), "> a\r\n> bC:\\Q\\PlanDataHome");
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(run({"run", "--data-home=D:\\h", "C:\\plans\\p.txt"}, ""), 0);
  EXPECT_EQ(out.str(), "> D:\\h");
}

TEST_F(QbplanTest, CancelledRunGivesBackTheInput) {
  plan(Plan(Insert(5, "x") + Block("ESCAPE")));
  EXPECT_EQ(run({"run", "C:\\plans\\p.txt"}, "in\x82\xa0"), 3);
  EXPECT_EQ(out.str(), "in\x82\xa0");
  EXPECT_EQ(err.str(), "");
}

TEST_F(QbplanTest, FailedRunGivesBackTheInputAndWritesEveryMessage) {
  plan(Plan(Insert(5, "x") + Block("ACTWIN_DSP")));
  EXPECT_EQ(run({"run", "C:\\plans\\p.txt"}, "in"), 1);
  EXPECT_EQ(out.str(), "in");
  EXPECT_EQ(err.str(),
            "【操作ブロック[作業中ウィンドウをアクティブ]実行】\n\nこの操作ブロックは、この実行環境では使用できません。　\n"
            "プラン実行中のエラー発生によりプランは中断しました　\n");
}

TEST_F(QbplanTest, RefusedPlansGiveBackTheInputLikeAFailedRun) {
  plan(Insert(5, "x"));
  EXPECT_EQ(run({"run", "C:\\plans\\p.txt"}, "in"), 1);
  EXPECT_EQ(err.str(), "プラン解析中にエラーが発生しました　\n");
  EXPECT_EQ(out.str(), "in");
  plan(Plan("<@@PLAN_GVL>V1.21<@@/PLAN_GVL>"));
  EXPECT_EQ(run({"run", "C:\\plans\\p.txt"}, "in"), 1);
  EXPECT_EQ(err.str(), "上位のバージョンで作成/保存されたプランのため操作できません　\n");
  plan(Plan("<@@PLAN_GVL>V1.00<@@/PLAN_GVL>"));
  EXPECT_EQ(run({"run", "C:\\plans\\p.txt"}, "in"), 0);
  EXPECT_EQ(run({"run", "C:\\plans\\none.txt"}, "in"), 1);
  EXPECT_EQ(err.str(), "プランファイルを読み込めません: C:\\plans\\none.txt\nエラー詳細：ファイル未定義\n");
  EXPECT_EQ(out.str(), "in");
  plan("<@@LINE>");
  EXPECT_EQ(run({"run", "C:\\plans\\p.txt"}, "in"), 1);
  EXPECT_EQ(out.str(), "in");
}

TEST_F(QbplanTest, CheckListsTheBlocksByDepth) {
  plan(Plan(Line(Loop("2", Insert(5, "x")))));
  EXPECT_EQ(run({"check", "C:\\plans\\p.txt"}), 0);
  EXPECT_EQ(out.str(),
            "【プラン名】テスト\n【行単位】\n  【ループ】2回、配下の処理を実行する\n    【単純挿入】末尾に「x」 を挿入する\n");
  plan(Plan("<@@LINE>"));
  EXPECT_EQ(run({"check", "C:\\plans\\p.txt"}), 1);
  EXPECT_TRUE(err.str().starts_with("プラン解析中にエラーが発生しました　\n")) << err.str();
}

TEST_F(QbplanTest, WrongCommandLinesShowTheUsage) {
  EXPECT_EQ(run({}), 2);
  EXPECT_EQ(run({"run"}), 2);
  EXPECT_EQ(run({"exec", "p"}), 2);
  EXPECT_EQ(run({"run", "--maybe", "p"}, "in"), 2);
  EXPECT_TRUE(err.str().starts_with("usage: qbplan"));
  EXPECT_EQ(out.str(), "");  // not a run: nothing read, nothing written
}

TEST(ConsoleUiTest, QuestionsGetTheChosenAnswer) {
  std::ostringstream lines;
  ConsoleUi no(lines, false);
  ConsoleUi yes(lines, true);
  EXPECT_EQ(no.showMessage("q1", MessageIcon::kQuestion, MessageButtons::kYesNo), MessageAnswer::kNo);
  EXPECT_EQ(yes.showMessage("q2", MessageIcon::kQuestion, MessageButtons::kYesNo), MessageAnswer::kYes);
  EXPECT_EQ(yes.showMessage("ok", MessageIcon::kExclamation), MessageAnswer::kOk);
  EXPECT_EQ(lines.str(), "q1\nq2\nok\n");
}

}  // namespace
}  // namespace qb
