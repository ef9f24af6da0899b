#include "app/tablist/position.h"

namespace qb {

int CPosition::m_GetTabNo(TabKind kind) {
  for (const Entry& entry : entries_) {
    if (entry.kind == kind) return entry.position;
  }
  return notFound("該当無し(CPosition::m_GetTabNo)");
}

int CPosition::m_GetTabNo2(TabKind kind, int group) {
  for (const Entry& entry : entries_) {
    if (entry.kind == kind && entry.group == group) return entry.position;
  }
  return notFound("該当無し(CPosition::m_GetTabNo2)");
}

int CPosition::m_GetKind(int position) {
  for (const Entry& entry : entries_) {
    if (entry.position == position) return static_cast<int>(entry.kind);
  }
  return notFound("該当無し(CPosition::m_GetKind)");
}

int CPosition::m_GetKindNo(int position) {
  for (const Entry& entry : entries_) {
    if (entry.position == position) return entry.group;
  }
  return notFound("該当無し(CPosition::m_GetKindNo)");
}

int CPosition::notFound(const char* message) {
  ui_.showMessage(message, MessageIcon::kStop);
  return -1;
}

}  // namespace qb
