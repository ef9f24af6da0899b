// A tab's bar: a row of buttons and drop-down lists, described as data, created hidden as
// children of the main window and shown while their tab is the current one.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qb::winui {

struct BarControl {
  enum class Kind { kButton, kComboBox, kLabel };
  Kind kind = Kind::kButton;
  std::string caption;  // Shift-JIS; a combo box has none
  int width = 62;       // pixels
  int id = 0;           // the control id: WM_COMMAND reaches the main window with it

  static BarControl Button(std::string caption, int id, int width = 62) {
    return {Kind::kButton, std::move(caption), width, id};
  }
  static BarControl ComboBox(int id, int width) { return {Kind::kComboBox, {}, width, id}; }
  static BarControl Label(std::string caption, int width) {
    return {Kind::kLabel, std::move(caption), width, 0};
  }
};

class ControlBar {
 public:
  ControlBar() = default;
  ~ControlBar();
  ControlBar(const ControlBar&) = delete;
  ControlBar& operator=(const ControlBar&) = delete;

  // Creates the controls, hidden, left to right in the order given.
  void create(HWND parent, HFONT font, std::vector<BarControl> controls);
  void show(bool shown);
  // Places the controls from the left of `area` (client coordinates of the parent).
  void layout(const RECT& area);

  // The control with this id, or null.
  HWND control(int id) const;
  // Its rectangle on the screen (a menu opens below it).
  RECT screenRect(int id) const;
  void setPressed(int id, bool pressed);
  void setEnabled(int id, bool enabled);
  void setCaption(int id, const std::string& caption);

  // Combo boxes: the entries (Shift-JIS), the chosen index, -1 for none.
  void setItems(int id, const std::vector<std::string>& items, int selected);
  int selectedItem(int id) const;

 private:
  std::vector<BarControl> controls_;
  std::vector<HWND> windows_;
};

}  // namespace qb::winui
