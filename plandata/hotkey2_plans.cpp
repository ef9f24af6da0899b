// The 33 plans of the second set for the group "ホットキー呼び出し専用", in the order the set
// hands them out.
#include <string>

#include "plandata/hotkey2_parts.h"
#include "plandata/plan_text_builder.h"
#include "plandata/standard_plans.h"

namespace qb {

using namespace plan_text;
namespace file = standard_plan_file;

namespace {

void AddPhrasePlans(PlanRecordTable& table) {
  for (int number = 5; number >= 1; --number) AddPhrasePaste(table, number);
  AddPlan(table, "定型句の登録",
          "作業中文書で選択している文字列を、選んだ定型句（１～５）として登録します。",
          "登録した定型句は「定型句の貼り付け１」～「定型句の貼り付け５」で貼り付けます。"
          "登録済みの定型句を置き換えるときは確認します。",
          TakeSelection() +
              ChooseAndRun("登録先の定型句を選択してください",
                           {{"定型句１", OutFileWrite(1, 1, PhraseFile(1), 1)},
                            {"定型句２", OutFileWrite(1, 1, PhraseFile(2), 1)},
                            {"定型句３", OutFileWrite(1, 1, PhraseFile(3), 1)},
                            {"定型句４", OutFileWrite(1, 1, PhraseFile(4), 1)},
                            {"定型句５", OutFileWrite(1, 1, PhraseFile(5), 1)}}) +
              MsgInfo("\r\n定型句を登録しました"));
}

void AddProgramAndFilePlans(PlanRecordTable& table) {
  AddPlan(table, "メモ帳の起動", "メモ帳を起動します。", "", AplStarting("notepad.exe"));
  AddPlan(table, "快速メモ",
          "入力したメモを、日時を付けて快速メモ（プランのデータホームフォルダの「快速メモ.txt」）の末尾に追記します。",
          "快速メモが無いときは作ります。",
          HensuSet(3, 101, "メモを入力してください", 2) + Insert(3, "<$作業用01>") +
              LineAdd(19, "―――― <$現在日時> ――――") + Insert(5, "\\r\\n\\r\\n", 2) +
              Condition(FileIs(9, file::kQuickMemo), CreateFile(file::kQuickMemo)) +
              OutFileAdd(1, file::kQuickMemo) + MsgInfo("\r\n快速メモに追記しました"));
  AddPlan(table, "選択テキストのファイル出力",
          "作業中文書で選択している文字列を、プランのデータホームフォルダに日時付きの名前"
          "（選択テキスト_yyyymmddhhmmssnn.txt）のファイルとして出力します。",
          "",
          TakeSelection() + OutFileWrite(1, 2, file::kSelectedText, 0) +
              MsgInfo("\r\n<$最終出力ファイル名> に出力しました", 25));
}

void AddClipboardPlans(PlanRecordTable& table) {
  AddPlan(table, "第２クリップボードから貼り付け",
          "第２クリップボード（プランのデータホームフォルダの「第2クリップボード.txt」）の内容を作業中文書に貼り付けます。",
          "第２クリップボードへは「第２クリップボードへコピー」でコピーします。",
          Condition(FileIs(9, file::kSecondClipboard),
                    MsgInfo("\r\n第２クリップボードは空です") + Escape()) +
              InsertWholeFile(3, file::kSecondClipboard) + ActWinPaste());
  AddPlan(table, "第２クリップボードへコピー",
          "作業中文書で選択している文字列を第２クリップボードへコピーします。",
          "Windowsのクリップボードとは別に値を取っておけます。",
          TakeSelection() + OutFileWrite(1, 1, file::kSecondClipboard, 0) +
              MsgInfo("\r\n第２クリップボードへコピーしました"));
  AddPlan(table, "書式を除去してコピー",
          "作業中文書で選択している文字列を、文字の書式を除いた文字列だけでクリップボードへコピーします。",
          "", ActWinCopy(2) + OutClipboard(1) + MsgInfo("\r\n書式を除去してコピーしました"));
  AddPlan(table, "クリップボードへ追加コピー",
          "作業中文書で選択している文字列を、今のクリップボードの値の後ろに改行を挟んで追加します。",
          "文字列が選択されていないときは、クリップボードの値を元に戻して終わります。",
          InClipboard(1) + HensuSet(1, 101) + ActWinCopy(1) +
              Condition(LengthIs(1, 0), OutClipboard(2, "<$作業用01>") +
                                            MsgInfo("\r\n文字列が選択されていません") + Escape()) +
              Condition(VariableIs(101, "", 2), Insert(4, "\\r\\n", 2)) + Insert(4, "<$作業用01>") +
              OutClipboard(1) + MsgInfo("\r\nクリップボードへ追加コピーしました"));
  AddPlan(table, "現在のクリップボード値の表示", "今のクリップボードの値を画面に表示します。", "",
          InClipboard(2) + DspString("現在のクリップボードの値"));
  AddPlan(table, "クリップボードの初期化", "クリップボードの値を空にします。", "",
          OutClipboard(2, "") + MsgInfo("\r\nクリップボードを初期化しました"));
}

void AddLineAndCharacterPlans(PlanRecordTable& table) {
  AddTextPlan(table, "範囲指定置換",
              "選択している範囲の中だけで、入力した文字列を別の文字列にすべて置き換えます。",
              HensuSet(6, 101, "置換する文字列を入力してください", 2) +
                  HensuSet(6, 102, "置換後の文字列を入力してください（空欄で削除）") +
                  ChangeAll("<$作業用01>", "<$作業用02>"));
  AddTextPlan(table, "行毎に先頭の空白とタブを削除",
              "各行の先頭の空白（全角／半角）とタブを削除します。", Line(DeletePattern(107)));
  AddPlan(table, "文字数カウント",
          "作業中文書で選択している文字列の文字数、半角換算の文字数と行数を表示します。", "",
          TakeSelection() + CounterFromVariable(201, 21) + CounterFromVariable(202, 22) +
              Line(Condition(LastLine(), CounterFromVariable(203, 14))) +
              MsgVerifyOk("文字数：<$カウンター01> 文字\r\n半角換算：<$カウンター02> 文字\r\n"
                          "行数：<$カウンター03> 行"));
  AddTextPlan(table, "引用符の除去", "各行の先頭の引用符（「> 」「>」「＞」）を１つ削除します。",
              Line(Condition(TextIs(4, "> "), DeletePosition(6, 1, 2) + LineNext()) +
                   Condition(TextIs(4, ">"), DeletePosition(6, 1, 1) + LineNext()) +
                   Condition(TextIs(4, "＞"), DeletePosition(6, 1, 1))));
  AddTextPlan(table, "引用符の付加", "各行の先頭に引用符「> 」を付けます。", Line(Insert(4, "> ")));
  AddTextPlan(table, "括弧くくり", "文字列を、選択した括弧で括ります。",
              ChooseAndRun("括弧を選択してください",
                           {{"「 」", Around("「", "」")},
                            {"『 』", Around("『", "』")},
                            {"（ ）", Around("（", "）")},
                            {"【 】", Around("【", "】")},
                            {"［ ］", Around("［", "］")},
                            {"＜ ＞", Around("＜", "＞")},
                            {"( )", Around("(", ")")},
                            {"[ ]", Around("[", "]")},
                            {"\" \"", Around("\"", "\"")}}));
}

void AddWidthPlans(PlanRecordTable& table) {
  AddTextPlan(table, "半角変換（文字種指定）", "選択した種類の全角文字を半角文字に変換します。",
              ChooseAndRun("半角に変換する文字の種類を選択してください",
                           {{"英字", ChangePattern(12)},
                            {"数字", ChangePattern(8)},
                            {"記号", ChangePattern(16)},
                            {"カタカナ", ChangePattern(14)},
                            {"空白", ChangePattern(6)},
                            {"すべて", ToHalfWidth()}}));
  AddTextPlan(table, "半角変換", "全角の英字、数字、記号、カタカナと空白を半角文字に変換します。",
              ToHalfWidth());
  AddTextPlan(table, "全角変換（文字種指定）", "選択した種類の半角文字を全角文字に変換します。",
              ChooseAndRun("全角に変換する文字の種類を選択してください",
                           {{"英字", ChangePattern(11)},
                            {"数字", ChangePattern(7)},
                            {"記号", ChangePattern(15)},
                            {"カタカナ", ChangePattern(13)},
                            {"空白", ChangePattern(5)},
                            {"すべて", ToFullWidth()}}));
  AddTextPlan(table, "全角変換", "半角の英字、数字、記号、ｶﾀｶﾅと空白を全角文字に変換します。",
              ToFullWidth());
}

}  // namespace

PlanRecordTable HotKey2Plans() {
  PlanRecordTable table;
  AddPhrasePlans(table);
  AddProgramAndFilePlans(table);
  AddClipboardPlans(table);
  AddLineAndCharacterPlans(table);
  AddWidthPlans(table);
  AddWebPlans(table);
  return table;
}

}  // namespace qb
