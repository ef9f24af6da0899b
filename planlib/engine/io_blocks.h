// The blocks that reach outside the working text: clipboard, working window, files written,
// folders, the shell, messages and screens, and the host's stack tab.
#pragma once
#include "planlib/engine/text_blocks.h"

namespace qb {

QB_PLAN_BLOCK(InClipBoard);      // クリップボード入力
QB_PLAN_BLOCK(COutClipBoard);    // クリップボード出力
QB_PLAN_BLOCK(ActWinCopy);       // 作業中ウィンドウからコピー
QB_PLAN_BLOCK(ActWinCut);        // 作業中ウィンドウから切り取り
QB_PLAN_BLOCK(CActWinPaste);     // 作業中ウィンドウへの貼り付け
QB_PLAN_BLOCK(CActWinDsp);       // 作業中ウィンドウをアクティブ
QB_PLAN_BLOCK(COutFileAdd);      // ファイル追記出力
QB_PLAN_BLOCK(COutFileWrite);    // ファイル出力
QB_PLAN_BLOCK(CCreateFile);      // ファイルの作成
QB_PLAN_BLOCK(CCreateFolder);    // フォルダの作成
QB_PLAN_BLOCK(CFileStarting);    // ファイルを開く
QB_PLAN_BLOCK(CFolderStarting);  // フォルダを開く
QB_PLAN_BLOCK(CWebStarting);     // Webの表示
QB_PLAN_BLOCK(CAplStarting);     // アプリケーション起動
QB_PLAN_BLOCK(CMsgVerify);       // メッセージ確認
QB_PLAN_BLOCK(CMsgInfo);         // メッセージ通知
QB_PLAN_BLOCK(CMsgVerifyPlan);   // プラン実行確認
QB_PLAN_BLOCK(CMsgInfoPlan);     // プラン終了通知
QB_PLAN_BLOCK(CDspString);       // 文字列表示
QB_PLAN_BLOCK(CDspSelect);       // 選択画面
QB_PLAN_BLOCK(COutStack);        // スタックタブ出力
QB_PLAN_BLOCK(CClrStack);        // スタックタブ初期化

// True for the run-time input kinds of PLAN_HENSU_SET: 3, 6, 7, 8, 9, 10.
bool IsRunTimeInputKind(int kind);
// The run-time input kinds of PLAN_HENSU_SET (3, 6-10): the value typed or chosen, prefilled
// with `current` where the kind says so. 0 with the value, 103 when the plan was cancelled, -1.
int AskPlanVariableValue(BlockContext& context, int kind, int target, std::string_view heading,
                         bool required, const std::string& current, std::string& value);

}  // namespace qb
