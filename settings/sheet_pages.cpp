#include "settings/sheet_pages.h"

#include <cstdio>

namespace qb {
namespace {

using Kind = SheetControlKind;

SheetControl Make(Kind kind, std::string key, std::string caption, std::string help) {
  SheetControl control;
  control.kind = kind;
  control.key = std::move(key);
  control.caption = std::move(caption);
  control.help = std::move(help);
  return control;
}

SheetControl Check(std::string key, std::string caption, std::string help) {
  return Make(Kind::kCheck, std::move(key), std::move(caption), std::move(help));
}
SheetControl Number(std::string key, std::string caption, std::string help, std::int32_t minimum,
                    std::int32_t maximum) {
  SheetControl control = Make(Kind::kNumber, std::move(key), std::move(caption), std::move(help));
  control.minimum = minimum;
  control.maximum = maximum;
  return control;
}
SheetControl Text(std::string key, std::string caption, std::string help) {
  return Make(Kind::kText, std::move(key), std::move(caption), std::move(help));
}
SheetControl Choice(std::string key, std::string caption, std::string help,
                    std::vector<SheetChoice> choices) {
  SheetControl control = Make(Kind::kChoice, std::move(key), std::move(caption), std::move(help));
  control.choices = std::move(choices);
  return control;
}
SheetControl Colour(std::string key, std::string caption, std::string help) {
  return Make(Kind::kColour, std::move(key), std::move(caption), std::move(help));
}
SheetControl Button(std::string caption, std::string help, SheetCommand command) {
  SheetControl control = Make(Kind::kButton, {}, std::move(caption), std::move(help));
  control.command = command;
  return control;
}
SheetControl InRelatedFile(SheetControl control) {
  control.file = SettingsFileId::kRelatedFiles;
  return control;
}

std::string Numbered(const char* pattern, int index) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, index);
  return text;
}

// A text colour and a background colour.
// `label` names the colours beside their fields, `what` in their help texts.
void AddColours(std::vector<SheetControl>& controls, const std::string& textKey,
                const std::string& backKey, const std::string& what, std::string label = {}) {
  if (label.empty()) label = what;
  controls.push_back(Colour(textKey, label + " 文字色", what + "の文字の色（空欄はシステムの色）"));
  controls.push_back(Colour(backKey, label + " 背景色", what + "の背景の色（空欄はシステムの色）"));
}

// Ten group names, one colour scheme for all groups or one per group.
void AddGroups(std::vector<SheetControl>& controls, const char* nameKey, const std::string& tab,
               const std::string& commonFlagKey, const std::string& textKey,
               const std::string& backKey, const char* groupTextKey, const char* groupBackKey) {
  for (int group = 0; group < 10; ++group) {
    controls.push_back(Text(Numbered(nameKey, group), Numbered("グループ%d の名称", group + 1),
                            tab + "タブのグループ" + std::to_string(group + 1) +
                                "の名称（カンマは使用できません）"));
  }
  controls.push_back(Check(commonFlagKey, "全グループ共通の配色にする",
                           "オン：" + tab + "タブの全グループを同じ色で表示、オフ：グループ毎の色で表示"));
  AddColours(controls, textKey, backKey, tab + "タブの全グループ共通", "共通");
  for (int group = 0; group < 10; ++group) {
    const std::string number = std::to_string(group + 1);
    AddColours(controls, Numbered(groupTextKey, group), Numbered(groupBackKey, group),
               tab + "タブのグループ" + number, "グループ" + number);
  }
}

std::vector<SheetChoice> LetterChoices() {
  std::vector<SheetChoice> choices{{64, "（なし）"}};
  for (int letter = 'A'; letter <= 'Z'; ++letter) choices.push_back({letter, std::string(1, static_cast<char>(letter))});
  return choices;
}

SheetPage CommonPage() {
  return {"共通設定",
          {Check("DIRECT_SEND=", "クリックで作業中文書に直接貼り付ける",
                 "オン：項目のクリックで作業中文書に直接貼り付け、オフ：クリップボードへコピー（Ctrlキーで一時的に切り替え）"),
           Check("InPrecisionFlg=", "貼り付け箇所の精度を上げる",
                 "ウィンドウを呼び出す前に作業中文書にあったキャレット位置に貼り付けます"),
           Check("CommonUserFlg=", "全ユーザ共通のデータ領域を使用する",
                 "Windowsの全ユーザで一つのデータ領域を使用します（Quillboxの再起動後に有効）"),
           Choice("OneClickFlg=", "貼り付けの操作", "項目をシングルクリックで貼り付けるか、ダブルクリックで貼り付けるか",
                  {{1, "シングルクリックで貼り付け"}, {0, "ダブルクリックで貼り付け"}})}};
}

SheetPage DisplayPage() {
  return {"表示設定",
          {Check("END_MSG=", "終了時に確認する", "終了時に「終了します。よろしいですか。」と確認します"),
           Check("Layered_SelectWin_Flg=", "「常に表示」で非ｱｸﾃｨﾌﾞの時に半透明化",
                 "「常に表示」のウィンドウが非アクティブの間、半透明で表示します"),
           Number("Layered_SelectWin_Alpha=", "半透明の濃さ（20～200）", "半透明化した時のアルファ値（20：薄い～200：濃い）", 20, 200),
           Check("AutoDspWin_HotKey=", "ホットキー呼び出し時に自動配置", "ホットキーで呼び出した時にウィンドウを作業中文書に合わせて配置します"),
           Choice("AutoDspWin_HotKey_Bs=", "ホットキー呼び出し時の配置", "ホットキーで呼び出した時のウィンドウの位置",
                  {{3, "ｷｬﾚｯﾄ"}, {1, "中央"}, {2, "右下"}}),
           Check("AutoDspWin_CallWin=", "呼び出し元ウィンドウの下に配置", "呼び出し元ウィンドウからの呼び出しで、その下に配置します"),
           Check("MousePopUp=", "マウス位置の値をポップアップ表示", "マウスカーソルの下の行の値をポップアップで表示します"),
           Check("StatusBarActiveWinDspFlg=", "ｽﾃｰﾀｽﾊﾞｰ「作業中文書：」の簡略表示", "ステータスバーの「作業中文書：」を「：」と短く表示します"),
           Text("FontName=", "値とラベルのフォント", "一覧の値とラベルを表示するフォント名（固定幅のフォントも指定できます）"),
           Check("KaigyoTabDsp=", "改行を「･･」、タブを「･」で表示", "値の改行とタブを置き換えて一行で表示します"),
           Check("TabHelpDsp=", "一覧の空白部分の右クリックでタブの説明", "一覧の何も無い所を右クリックするとタブの機能説明を表示します"),
           Check("DispOnly=", "トレイ・呼び出し元から呼び出し時に「常に表示」", "トレイアイコンや呼び出し元ウィンドウから非表示の状態で呼び出した時に「常に表示」にします"),
           Check("DispOnlyHotKey=", "ホットキーで呼び出し時に「常に表示」", "ホットキーで非表示の状態から呼び出した時に「常に表示」にします"),
           Check("DispOnlyMouse=", "画面端・中央ボタンで呼び出し時に「常に表示」", "画面端のクリックやマウス中央ボタンで呼び出した時に「常に表示」にします"),
           Check("MouseMidFlg=", "マウス中央ボタンのダブルクリックで呼び出し", "マウスの中央ボタンのダブルクリックでウィンドウを呼び出します"),
           Choice("MouseMidKey=", "中央ボタン呼び出しのキー", "マウス中央ボタン呼び出しと組み合わせる文字キー（A～Z）", LetterChoices()),
           Check("MouseEdgeLeft=", "画面左端のクリックで呼び出し", "画面の左端をクリックするとウィンドウを呼び出します"),
           Check("MouseEdgeRight=", "画面右端のクリックで呼び出し", "画面の右端をクリックするとウィンドウを呼び出します"),
           Check("NoActClose=", "他のウィンドウのクリックで自動的に閉じる", "他のウィンドウやデスクトップをクリックするとウィンドウを隠します")}};
}

SheetPage KeysPage() {
  SheetPage page{"キー設定",
                 {Button("マルチホットキーの設定...", "ウィンドウを呼び出すホットキー（最大５つ）を設定します", SheetCommand::kMultiHotkeys),
                  Button("プランホットキー一覧の表示", "プランを直接実行するホットキーの一覧を表示します", SheetCommand::kPlanHotkeys)}};
  const struct {
    int index;
    const char* caption;
  } shortcuts[] = {{0, "次のタブ"}, {1, "前のタブ"}, {2, "保存グループ・関連ファイルの一覧"},
                   {5, "一覧の先頭へ"}, {6, "右側に連結"}, {7, "現在の保存グループに保存"},
                   {8, "閉じる"}, {9, "上へ"}, {10, "下へ"}};
  for (const auto& shortcut : shortcuts) {
    page.controls.push_back(Choice(Numbered("SHORTCUTKEY%d=", shortcut.index),
                                   std::string("ｼｮｰﾄｶｯﾄｷｰ：") + shortcut.caption,
                                   std::string("メイン画面でCtrlキーと押すと「") + shortcut.caption + "」になる文字キー",
                                   LetterChoices()));
  }
  page.controls.push_back(Check("LRKeyGroupChange=", "←→キーでグループを切り換える", "一覧で←キーと→キーを押すとグループを切り換えます"));
  page.controls.push_back(Choice("PopUpKey=", "行のポップアップ表示キー", "押しながら行を指すと値をポップアップ表示するキー",
                                 {{16, "Shift"}, {17, "Ctrl"}}));
  return page;
}

SheetPage MacroPage() {
  return {"埋込ﾏｸﾛ設定",
          {Number("Wareki_Base=", "和暦の元年の西暦年", "日時マクロで和暦を求める時の、元年にあたる西暦の年", 1, 9999)}};
}

SheetPage HistoryPage() {
  SheetPage page{"履歴設定",
                 {Number("MaxFile=", "履歴の最大件数（1～500）", "履歴タブに保持する件数の上限（次回起動時に有効、履歴は初期化されます）", 1, 500),
                  Check("AutoSave=", "履歴を次回起動時に復元する", "終了時に履歴を残し、次回起動時に復元します"),
                  Check("TrayIcomAnimeFlg=", "履歴取得時にトレイアイコンを点滅", "クリップボードから履歴を取得した時にトレイアイコンを一瞬変えます")}};
  AddColours(page.controls, "TabColorTextRi=", "TabColorBackRi=", "履歴タブ");
  return page;
}

SheetPage SavePage() {
  SheetPage page{"保存設定",
                 {Check("Hozon_Del_Flg=", "削除の前に確認する", "保存タブで項目を削除する前に確認します")}};
  AddGroups(page.controls, "CLIPDIR_AR%d=", "保存", "TabColorHGpFlg=", "TabColorTextHz=",
            "TabColorBackHz=", "TabColorTextHGp%d=", "TabColorBackHGp%d=");
  return page;
}

SheetPage RelatedPage() {
  SheetPage page{"関連ﾌｧｲﾙ設定",
                 {InRelatedFile(Check("ENABLE=", "関連ファイルを有効にする", "関連ファイルタブを使用します"))}};
  for (int tab = 0; tab < 7; ++tab) {
    const std::string name = "関連タブ" + std::to_string(tab + 1);
    page.controls.push_back(InRelatedFile(Check(Numbered("SANSYO_TEXT%d_ON=", tab), name + "を表示する", name + "を表示します")));
    page.controls.push_back(InRelatedFile(Text(Numbered("SANSYO_TEXT%d_TAB=", tab), name + "の名称", name + "のタブに表示する名称")));
    AddColours(page.controls, Numbered("TabColorTextKf%d=", tab), Numbered("TabColorBackKf%d=", tab), name);
  }
  return page;
}

SheetPage PublishPage() {
  SheetPage page{"公開設定",
                 {Check("Open_Enable=", "公開機能を有効にする", "LANの他のコンピュータとクリップボードの値を公開しあいます（オフの時は通信しません）"),
                  Text("Open_MyName=", "公開者名", "他のコンピュータに表示される名前（空欄の時はコンピュータ名）"),
                  Text("MyIp=", "使用する自分のIPアドレス", "複数のIPアドレスがある時に公開に使用するアドレス"),
                  Choice("Lan_Port_Flg=", "ポート番号", "既定のポート番号（27089）を使うか、指定のポート番号を使うか",
                         {{1, "既定のポート番号"}, {0, "指定のポート番号"}}),
                  Number("Lan_UserPort=", "指定のポート番号（1024～65535）", "「指定のポート番号」を選んだ時に公開で使用するポート番号", 0, 65535),
                  Check("OpenSave=", "起動時から公開する", "起動した時から同じ公開グループにクリップボードの値を公開します"),
                  Check("OpenBroadCastFlg=", "広い範囲にブロードキャストする", "公開の通知をサブネットを越えて広く送ります"),
                  Check("OpenNullNoGet=", "空の値は送らない", "クリップボードの値が空の時は公開しません")}};
  AddColours(page.controls, "TabColorTextOp=", "TabColorBackOp=", "公開タブ");
  return page;
}

SheetPage SharePage() {
  SheetPage page{"共有設定",
                 {Check("Common_Enable=", "共有機能を有効にする", "共有フォルダで定型句を共有します（オフの時は通信しません）"),
                  Text("CommMyIp=", "使用する自分のIPアドレス", "複数のIPアドレスがある時に共有の通知に使用するアドレス"),
                  Choice("CommLan_Port_Flg=", "ポート番号", "既定のポート番号（27079）を使うか、指定のポート番号を使うか",
                         {{1, "既定のポート番号"}, {0, "指定のポート番号"}}),
                  Number("CommLan_UserPort=", "指定のポート番号（1024～65535）", "「指定のポート番号」を選んだ時に共有で使用するポート番号", 0, 65535),
                  Check("CommCashRetrai_Flg=", "キャッシュ使用中に共有フォルダを定期確認", "共有フォルダに届かずキャッシュを使っている間、定期的に共有フォルダを確認します")}};
  AddColours(page.controls, "TabColorTextCm=", "TabColorBackCm=", "共有タブ");
  AddColours(page.controls, "TabColorTextCmCash=", "TabColorBackCmCash=", "キャッシュ使用中");
  AddColours(page.controls, "TabColorTextCmLan=", "TabColorBackCmLan=", "LAN機能なし");
  return page;
}

SheetPage PlanPage() {
  SheetPage page{"プラン設定",
                 {Check("Plan_Enable=", "プランを有効にする", "プランタブを使用します"),
                  Check("PlanMenu=", "Ctrl＋右クリックでプランメニュー", "Ctrlキーを押しながら右クリックするとプランのポップアップメニューを表示します")}};
  AddGroups(page.controls, "PlanDir_Ar%02d=", "プラン", "TabColorPGpFlg=", "TabColorTextPn=",
            "TabColorBackPn=", "TabColorTextPGp%d=", "TabColorBackPGp%d=");
  return page;
}

SheetPage StackPage() {
  SheetPage page{"スタック設定", {}};
  AddGroups(page.controls, "StackDir_Ar%02d=", "スタック", "TabColorSGpFlg=", "TabColorTextSk=",
            "TabColorBackSk=", "TabColorTextSGp%d=", "TabColorBackSGp%d=");
  return page;
}

SheetPage AuxiliaryPage() {
  return {"補助",
          {Button("標準プランの導入（プラン呼び出し専用：9件）", "「プラン呼び出し専用」グループに標準プラン9件を導入します", SheetCommand::kInstallCallPlans),
           Button("標準プランの導入（ホットキー呼び出し専用：3件）", "「ホットキー呼び出し専用」グループに標準プラン3件を導入します", SheetCommand::kInstallHotkeyPlans3),
           Button("標準プランの導入（ホットキー呼び出し専用：33件）", "「ホットキー呼び出し専用」グループに標準プラン33件を導入します", SheetCommand::kInstallHotkeyPlans33)}};
}

SheetPage TroublePage() {
  return {"トラブル対応",
          {Button("不具合AP対応設定...", "コピーや切り取りの後で遅れて取得する必要があるアプリケーションの一覧を設定します", SheetCommand::kDisabledApplications),
           Number("PasteWait=", "貼り付け前の待ち時間（ミリ秒）", "貼り付けが時々失敗する時に大きくすると改善することがあります（貼り付けは遅くなります）", 0, 10000)}};
}

}  // namespace

const std::vector<SheetPage>& SettingsSheetPages() {
  static const std::vector<SheetPage> pages{
      CommonPage(),  DisplayPage(), KeysPage(), MacroPage(),     HistoryPage(),
      SavePage(),    RelatedPage(), PublishPage(), SharePage(), PlanPage(),
      StackPage(),   AuxiliaryPage(), TroublePage()};
  return pages;
}

}  // namespace qb
