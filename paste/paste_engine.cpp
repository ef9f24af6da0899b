#include "paste/paste_engine.h"

#include <cstdio>

#include "paste/partial_selection_model.h"

namespace qb {
namespace {

constexpr int kFocusChecks = 5;
constexpr int kFocusCheckMilliseconds = 100;
constexpr int kChordLeadMilliseconds = 30;
constexpr int kChordHoldMilliseconds = 20;
// An activation can take effect a moment later (a loaded desktop): the keys wait for it.
constexpr int kActivationWaitMilliseconds = 500;
constexpr int kActivationCheckMilliseconds = 10;

}  // namespace

PasteFlags ChoosePasteFlags(bool directSend, bool ctrlHeld, bool shiftHeld) {
  PasteFlags flags;
  flags.partial = shiftHeld;
  flags.paste = directSend ? !ctrlHeld : ctrlHeld;
  return flags;
}

PasteEngine::PasteEngine(PastePorts ports, PasteHost& host, WorkingWindow& working,
                         PasteSettings settings)
    : ports_(ports), host_(host), working_(working), settings_(settings) {}

PasteFlags PasteEngine::choosePasteFlags() {
  return ChoosePasteFlags(settings_.directSend, ports_.keyboard.isDown(kVkControl),
                          ports_.keyboard.isDown(kVkShift));
}

void PasteEngine::finish(PasteSource* source) {
  if (source != nullptr) source->afterPaste();
  kind_ = PasteKind::kOrdinary;
  flags_ = PasteFlags{};
  storedValue_.clear();
  exactValue_.clear();
}

int PasteEngine::pasteSelected(PasteSource& source, PasteFlags flags) {
  if (inPaste_) return -1;
  inPaste_ = true;
  flags_ = flags;
  const int result = pasteSelectedRow(source);
  inPaste_ = false;
  return result;
}

int PasteEngine::pasteSelectedRow(PasteSource& source) {
  const std::optional<int> row = source.selectedRow();
  if (!row) {
    finish(nullptr);
    return -1;
  }
  const bool bulk = IsBulkPaste(kind_);
  std::string value = bulk ? JoinRows(source, *row, kind_) : source.valueForUse(*row);
  if (!bulk) {
    exactValue_ = source.exactValue(*row);
    if (!exactValue_.empty()) storedValue_ = source.wholeValue(*row);
  }
  if (value.empty()) {
    finish(nullptr);
    return -1;
  }
  value = ApplyValueKind(value, kind_);
  if (!windowStep(value)) {
    finish(nullptr);
    return -1;
  }
  // The waits above dispatch messages: a capture may have added rows. The selection has
  // followed the item; a row that went away is not counted.
  if (const std::optional<int> used = source.selectedRow()) source.countUse(*used, bulk);
  const KeyPasteResult result = PasteKeyMacroText(value, *this, ports_.keyboard, ports_.clock);
  finish(&source);
  return result == KeyPasteResult::kFailed ? -1 : 0;
}

bool PasteEngine::windowStep(std::string& value) {
  const WindowId main = host_.mainWindow();
  const bool onTop = host_.alwaysOnTop();
  bool accepted = true;
  if (!onTop) ports_.desktop.raise(main);
  if (flags_.partial) {
    PartialSelectionModel model(value, flags_.paste);
    {
      Ui::BusyScope busy(ports_.ui);
      accepted = host_.runPartialSelection(model);
    }
    if (accepted) {
      value = model.result();
      flags_.paste = model.pasteMode();
      partialMark_ = model.partChosen();
    }
  }
  if (!onTop) {
    ports_.desktop.raise(main);
    ports_.desktop.setTopmost(main, false);
    host_.leaveLinkAndRefresh();
  }
  if (!accepted) return false;
  if (working_.window != 0) {
    ports_.desktop.activate(working_.window);
    waitUntilInFront(working_.window);
    if (settings_.precise) SendPasteKeys(true, false);
  }
  return true;
}

// Keys sent before the activation took effect would go to the window that was in front.
void PasteEngine::waitUntilInFront(WindowId window) {
  for (int waited = 0; waited < kActivationWaitMilliseconds &&
                       ports_.desktop.foregroundWindow() != window;
       waited += kActivationCheckMilliseconds) {
    ports_.clock.pumpWait(kActivationCheckMilliseconds);
  }
}

int PasteEngine::pastePiece(std::string_view text, bool continuation) {
  return PasteValue(text, continuation);
}

int PasteEngine::PasteValue(std::string_view value, bool continuation) {
  const bool exact = !exactValue_.empty() && value == storedValue_;
  if ((exact ? host_.putExactTextOnClipboard(value, exactValue_) : host_.putTextOnClipboard(value)) !=
      0) {
    return -1;
  }
  if (working_.window != 0) {
    if (host_.alwaysOnTop() && !ports_.desktop.activate(working_.window)) {
      char details[96];
      std::snprintf(details, sizeof details, "wS:[%d] ACTIVE_WIN:[%d]\n", 0,
                    static_cast<int>(working_.window));
      ports_.ui.showMessage(std::string("SetForegroundWindow失敗：") + details,
                            MessageIcon::kExclamation);
      return -1;
    }
    SendPasteKeys(false, continuation);
  } else if (flags_.paste) {
    ports_.ui.showMessage("連携している作業中文書がありません", MessageIcon::kInformation);
    return -1;
  }
  if (exact) {
    host_.storePastedExactValue(value, exactValue_, partialMark_);
  } else {
    host_.storePastedValue(value, partialMark_);
  }
  partialMark_ = false;
  return 0;
}

void PasteEngine::SendPasteKeys(bool focusOnly, bool continuation) {
  if (continuation) {
    if (flags_.paste) sendChord();
    return;
  }
  Desktop& desktop = ports_.desktop;
  const bool precise = settings_.precise && working_.ownThread != 0 && working_.windowThread != 0;
  if (precise) {
    if (!desktop.attachInput(working_.ownThread, working_.windowThread, true)) return;
    desktop.activate(working_.window);
    if (working_.focus != 0) {
      desktop.setFocus(working_.focus);
      for (int check = 0; check < kFocusChecks && desktop.focusedWindow() != working_.focus;
           ++check) {
        ports_.clock.pumpWait(kFocusCheckMilliseconds);
        desktop.setFocus(working_.focus);
      }
    }
  }
  if (!focusOnly && flags_.paste) sendChord();
  if (precise) {
    desktop.attachInput(working_.ownThread, working_.windowThread, false);
    desktop.attachInput(working_.windowThread, working_.ownThread, false);
  }
}

void PasteEngine::sendChord() {
  Clock& clock = ports_.clock;
  Keyboard& keyboard = ports_.keyboard;
  clock.pumpWait(settings_.pasteWait);
  pasting_ = true;
  if (settings_.refocusTap) {
    clock.pumpWait(kChordLeadMilliseconds);
    keyboard.keyDown(kVkControl);
    keyboard.keyUp(kVkControl);
  }
  clock.pumpWait(kChordLeadMilliseconds);
  keyboard.keyDown(kVkControl);
  keyboard.keyDown(kVkV);
  clock.pumpWait(kChordHoldMilliseconds);
  keyboard.keyUp(kVkV);
  keyboard.keyUp(kVkControl);
  pasting_ = false;
}

}  // namespace qb
