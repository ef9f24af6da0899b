// The blocks that edit the working text.
#pragma once
#include "planlib/engine/plan_block.h"

namespace qb {

#define QB_PLAN_BLOCK(Name)                                                                  \
  class Name : public PlanBlock {                                                            \
   public:                                                                                   \
    int m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const override; \
  }

QB_PLAN_BLOCK(CInsert);          // 単純挿入
QB_PLAN_BLOCK(CCHANGE);          // 文字指定置換
QB_PLAN_BLOCK(CChangePattern);   // パターン置換
QB_PLAN_BLOCK(CChangeFile);      // パターンファイル置換
QB_PLAN_BLOCK(CDeletePosi);      // 位置指定削除
QB_PLAN_BLOCK(CDeletePattern);   // パターン削除
QB_PLAN_BLOCK(CDivisionLine);    // 行分割
QB_PLAN_BLOCK(CSortLine);        // 行並び替え
QB_PLAN_BLOCK(CSameDeleteLine);  // 同一行削除
QB_PLAN_BLOCK(CLineAdd);         // 行追加
QB_PLAN_BLOCK(CInsertFile);      // ファイル読み込み
QB_PLAN_BLOCK(CPlanHensuSet);    // プラン変数（作業用）設定
QB_PLAN_BLOCK(CPlanCounterSet);  // プラン変数（カウンター）設定
QB_PLAN_BLOCK(CSleep);           // 指定時間停止

// A block whose outside world this host does not offer yet: it fails with its message.
class CUnavailableBlock : public PlanBlock {
 public:
  explicit CUnavailableBlock(std::string_view displayName) : displayName_(displayName) {}
  int m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const override;

 private:
  std::string_view displayName_;
};

}  // namespace qb
