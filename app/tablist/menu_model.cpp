#include "app/tablist/menu_model.h"

namespace qb {
namespace {

// The list that holds `command` and its index there.
struct Place {
  std::vector<MenuEntry>* list = nullptr;
  std::size_t index = 0;
};

Place Locate(std::vector<MenuEntry>& entries, int command) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    MenuEntry& entry = entries[i];
    if (entry.kind == MenuEntry::Kind::kCommand && entry.command == command) return {&entries, i};
    if (entry.kind == MenuEntry::Kind::kSubmenu) {
      if (Place inner = Locate(entry.children, command); inner.list) return inner;
    }
  }
  return {};
}

// The submenu entry whose children hold `command`.
MenuEntry* SubmenuHolding(std::vector<MenuEntry>& entries, int command) {
  for (MenuEntry& entry : entries) {
    if (entry.kind != MenuEntry::Kind::kSubmenu) continue;
    for (const MenuEntry& child : entry.children) {
      if (child.kind == MenuEntry::Kind::kCommand && child.command == command) return &entry;
    }
    if (MenuEntry* inner = SubmenuHolding(entry.children, command)) return inner;
  }
  return nullptr;
}

void ClearDefault(std::vector<MenuEntry>& entries) {
  for (MenuEntry& entry : entries) {
    entry.isDefault = false;
    ClearDefault(entry.children);
  }
}

bool HasCommand(const MenuEntry& entry) {
  if (entry.kind == MenuEntry::Kind::kCommand) return true;
  for (const MenuEntry& child : entry.children) {
    if (HasCommand(child)) return true;
  }
  return false;
}

void PruneEmpty(std::vector<MenuEntry>& entries) {
  std::vector<MenuEntry> kept;
  for (MenuEntry& entry : entries) {
    if (entry.kind == MenuEntry::Kind::kSubmenu) {
      PruneEmpty(entry.children);
      if (!HasCommand(entry)) continue;
    }
    const bool separator = entry.kind == MenuEntry::Kind::kSeparator;
    if (separator && (kept.empty() || kept.back().kind == MenuEntry::Kind::kSeparator)) continue;
    kept.push_back(std::move(entry));
  }
  while (!kept.empty() && kept.back().kind == MenuEntry::Kind::kSeparator) kept.pop_back();
  entries = std::move(kept);
}

}  // namespace

void MenuModel::removeEmptySubmenus() { PruneEmpty(entries_); }

MenuEntry MenuEntry::Command(std::string caption, int command) {
  MenuEntry entry;
  entry.caption = std::move(caption);
  entry.command = command;
  return entry;
}

MenuEntry MenuEntry::Separator() {
  MenuEntry entry;
  entry.kind = Kind::kSeparator;
  return entry;
}

MenuEntry MenuEntry::Submenu(std::string caption, std::vector<MenuEntry> children) {
  MenuEntry entry;
  entry.kind = Kind::kSubmenu;
  entry.caption = std::move(caption);
  entry.children = std::move(children);
  return entry;
}

MenuEntry* MenuModel::find(int command) {
  Place place = Locate(entries_, command);
  return place.list ? &(*place.list)[place.index] : nullptr;
}

const MenuEntry* MenuModel::find(int command) const {
  return const_cast<MenuModel*>(this)->find(command);
}

bool MenuModel::insertBefore(int command, const std::vector<MenuEntry>& entries) {
  Place place = Locate(entries_, command);
  if (!place.list) return false;
  place.list->insert(place.list->begin() + static_cast<std::ptrdiff_t>(place.index),
                     entries.begin(), entries.end());
  return true;
}

bool MenuModel::remove(int command, bool withSeparatorBefore) {
  Place place = Locate(entries_, command);
  if (!place.list) return false;
  auto at = place.list->begin() + static_cast<std::ptrdiff_t>(place.index);
  if (withSeparatorBefore && place.index > 0 &&
      (at - 1)->kind == MenuEntry::Kind::kSeparator) {
    place.list->erase(at - 1, at + 1);
  } else {
    place.list->erase(at);
  }
  return true;
}

bool MenuModel::replaceSubmenuHolding(int command, std::vector<MenuEntry> entries) {
  MenuEntry* submenu = SubmenuHolding(entries_, command);
  if (!submenu) return false;
  submenu->children = std::move(entries);
  return true;
}

void MenuModel::setDefault(int command) {
  ClearDefault(entries_);
  if (MenuEntry* entry = find(command)) entry->isDefault = true;
}

}  // namespace qb
