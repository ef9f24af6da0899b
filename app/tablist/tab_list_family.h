// The tab lists whose behaviour lives with their tabs; here they carry their kind, their columns
// and their sort defaults. The History list is history/history_list.h.
#pragma once
#include "app/tablist/tab_list.h"

namespace qb {

class CSaveList : public CTabList {
 public:
  CSaveList() : CTabList(TabKind::kSave) {}
};

class CRelatedList : public CTabList {
 public:
  CRelatedList() : CTabList(TabKind::kRelated) {}
};

class CSharedList : public CTabList {
 public:
  CSharedList() : CTabList(TabKind::kShared) {}
};

class COpenList : public CTabList {
 public:
  COpenList() : CTabList(TabKind::kOpen) {}
};

class CStackList : public CTabList {
 public:
  CStackList() : CTabList(TabKind::kStack) {}
};

}  // namespace qb
