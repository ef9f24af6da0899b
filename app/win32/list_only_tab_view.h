// A tab that shows its list with its columns and offers no commands of its own: the view of a
// tab whose store the program does not keep.
#pragma once
#include <functional>
#include <string>

#include "app/win32/tab_view.h"

namespace qb {

class ListOnlyTabView : public TabView {
 public:
  ListOnlyTabView(CTabList& list, std::string caption, std::function<bool()> enabled,
                  std::function<TabColours()> colours)
      : list_(list),
        caption_(std::move(caption)),
        enabled_(std::move(enabled)),
        colours_(std::move(colours)) {}

  TabKind kind() const override { return list_.kind(); }
  std::string caption() const override { return caption_; }
  bool enabled() const override { return !enabled_ || enabled_(); }
  CTabList& list() override { return list_; }
  TabColours colours() override { return colours_ ? colours_() : TabColours{}; }

 private:
  CTabList& list_;
  std::string caption_;
  std::function<bool()> enabled_;
  std::function<TabColours()> colours_;
};

}  // namespace qb
