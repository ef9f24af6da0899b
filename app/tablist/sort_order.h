// A sort order of a tab's sort menu: its caption, its command and the column it sorts by.
#pragma once
#include <span>

#include "app/tablist/menu_model.h"

namespace qb {

struct SortOrderEntry {
  const char* caption;
  int command;
  int column;
};

// The sort menu with the entry of the current sort column checked.
inline MenuModel SortMenu(std::span<const SortOrderEntry> orders, int currentColumn) {
  std::vector<MenuEntry> entries;
  for (const SortOrderEntry& order : orders) {
    MenuEntry entry = MenuEntry::Command(order.caption, order.command);
    entry.checked = order.column == currentColumn;
    entries.push_back(entry);
  }
  return MenuModel(entries);
}

// The column of a sort command, or -1.
inline int SortColumnOf(std::span<const SortOrderEntry> orders, int command) {
  for (const SortOrderEntry& order : orders) {
    if (order.command == command) return order.column;
  }
  return -1;
}

}  // namespace qb
