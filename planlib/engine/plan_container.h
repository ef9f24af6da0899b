// A container block: runs its child blocks on the working text, a line of it, or a piece of it.
#pragma once
#include <string>

#include "planlib/engine/block_context.h"
#include "planlib/engine/block_settings.h"

namespace qb {

// The child rows of one container as a block sequence.
class ChildSequence {
 public:
  virtual ~ChildSequence() = default;
  // 0, 101-104 or -1, as a block sequence ends.
  virtual int run(std::string& text) = 0;
  // True when the children may end with 104 (a ループ脱出 outside any loop among them), after
  // which the text before the container is needed again.
  virtual bool canLeaveLoop() const { return true; }
};

class PlanContainer {
 public:
  virtual ~PlanContainer() = default;
  // The code that ends the sequence holding the container (0 = go on).
  virtual int m_Run(BlockContext& context, BlockSettings& settings, ChildSequence& children,
                    std::string& text) const = 0;
};

#define QB_PLAN_CONTAINER(Name)                                                  \
  class Name : public PlanContainer {                                            \
   public:                                                                       \
    int m_Run(BlockContext& context, BlockSettings& settings, ChildSequence& children, \
              std::string& text) const override;                                 \
  }

QB_PLAN_CONTAINER(CLine);       // 行単位
QB_PLAN_CONTAINER(CCondition);  // 条件
QB_PLAN_CONTAINER(CCutting);    // 切り出し
QB_PLAN_CONTAINER(CLoop);       // ループ
QB_PLAN_CONTAINER(CComment);    // 要約

// The container of a tag ("LOOP"); null for others.
const PlanContainer* FindContainer(std::string_view tagName);

}  // namespace qb
