// A context menu as data: entries with captions and command numbers, separators and submenus.
// The Win32 view renders it; the tab lists build and prepare it.
#pragma once
#include <string>
#include <vector>

namespace qb {

struct MenuEntry {
  enum class Kind { kCommand, kSeparator, kSubmenu };

  Kind kind = Kind::kCommand;
  std::string caption;
  int command = 0;  // kCommand only
  bool checked = false;
  bool isDefault = false;  // shown bold; the command a click on a row runs
  bool enabled = true;     // false: shown grayed, cannot be chosen
  std::vector<MenuEntry> children;  // kSubmenu only

  static MenuEntry Command(std::string caption, int command);
  static MenuEntry Separator();
  static MenuEntry Submenu(std::string caption, std::vector<MenuEntry> children);
};

class MenuModel {
 public:
  MenuModel() = default;
  explicit MenuModel(std::vector<MenuEntry> entries) : entries_(std::move(entries)) {}

  const std::vector<MenuEntry>& entries() const { return entries_; }

  // The entry of a command anywhere in the tree, or nullptr.
  const MenuEntry* find(int command) const;
  MenuEntry* find(int command);
  bool contains(int command) const { return find(command) != nullptr; }

  // Inserts entries before the entry of `command` in whatever submenu holds it. False when the
  // command is not in the menu.
  bool insertBefore(int command, const std::vector<MenuEntry>& entries);
  // Removes the entry of a command; with `withSeparatorBefore` also a separator right before it.
  bool remove(int command, bool withSeparatorBefore = false);
  // Makes one command the default entry and no other.
  void setDefault(int command);
  // Removes submenus left without a command (innermost first), and separators that then stand
  // first, last or twice in a row.
  void removeEmptySubmenus();
  // Replaces the entries of the submenu that holds `command`. False when the command is not in a
  // submenu.
  bool replaceSubmenuHolding(int command, std::vector<MenuEntry> entries);

 private:
  std::vector<MenuEntry> entries_;
};

}  // namespace qb
