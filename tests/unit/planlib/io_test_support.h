// A plan harness with every outside port of a run: clipboard, keyboard, host, shell and the
// run-time windows.
#pragma once
#include "planlib/fake/fake_plan_ports.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_keyboard.h"
#include "tests/unit/planlib/plan_test_support.h"

namespace qb::test {

struct IoHarness : PlanHarness {
  IoHarness() {
    world.host = &host;
    world.clipboard = &clipboard;
    world.keyboard = &keyboard;
    world.shell = &shell;
    world.dialogs = &dialogs;
  }

  // The commands between "0927Plan_HotKeyStop" and the matching start are balanced.
  bool hotKeysBalanced() const {
    int depth = 0;
    for (const std::string& command : host.commands()) {
      if (command == "0927Plan_HotKeyStop") ++depth;
      if (command == "0927Plan_HotKeyStart" && --depth < 0) return false;
    }
    return depth == 0;
  }

  FakeClipboard clipboard;
  FakeKeyboard keyboard{clock, &clipboard};
  FakePlanHost host{clock};
  FakePlanShell shell;
  FakePlanDialogs dialogs{clock};
};

// "<@@TAG>" with the elements as name/value pairs.
inline std::string Io(std::string_view tag, const Elements& elements) { return Block(tag, elements); }

}  // namespace qb::test
