// Which tab kind and group sits at each tab position of the main window, and back.
#pragma once
#include <vector>

#include "app/tablist/tab_kind.h"
#include "platform/ui.h"

namespace qb {

class CPosition {
 public:
  struct Entry {
    int position;
    TabKind kind;
    int group;  // 0 where the tab has no groups
  };

  explicit CPosition(Ui& ui) : ui_(ui) {}
  void set(std::vector<Entry> entries) { entries_ = std::move(entries); }

  // Each lookup that finds no entry shows "該当無し(CPosition::<name>)" and returns -1.
  // The position of the first entry of a kind.
  int m_GetTabNo(TabKind kind);
  // The position of a kind's group.
  int m_GetTabNo2(TabKind kind, int group);
  // The kind (1-7) at a position.
  int m_GetKind(int position);
  // The group at a position.
  int m_GetKindNo(int position);

 private:
  int notFound(const char* message);

  Ui& ui_;
  std::vector<Entry> entries_;
};

}  // namespace qb
