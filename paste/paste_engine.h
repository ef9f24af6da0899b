// The paste of a chosen value into the working document: the clipboard write, the activation
// of the working window (and, in precise mode, its focus control), the wait and the Ctrl+V
// chord, piece by piece around key macros.
#pragma once
#include <string>
#include <string_view>

#include "macros/key_macro.h"
#include "paste/paste_host.h"
#include "paste/paste_settings.h"
#include "paste/special_paste.h"
#include "paste/working_window.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/keyboard.h"
#include "platform/ui.h"

namespace qb {

// The paste flags of one choice: paste into the working document (else only copy), and ask for
// a partial selection first.
struct PasteFlags {
  bool paste = false;
  bool partial = false;
  bool operator==(const PasteFlags&) const = default;
};

// A click, Enter or double-click on a row: Shift asks for a part; Ctrl inverts DIRECT_SEND=.
PasteFlags ChoosePasteFlags(bool directSend, bool ctrlHeld, bool shiftHeld);

struct PastePorts {
  Desktop& desktop;
  Keyboard& keyboard;
  Clock& clock;
  Ui& ui;
};

class PasteEngine : private PieceTarget {
 public:
  PasteEngine(PastePorts ports, PasteHost& host, WorkingWindow& working, PasteSettings settings);

  // The flags for a choice made now, from the held Ctrl and Shift keys.
  PasteFlags choosePasteFlags();

  // A special paste command sets its kind before the paste; every paste resets it to 0.
  void setPasteKind(PasteKind kind) { kind_ = kind; }
  PasteKind pasteKind() const { return kind_; }

  // The whole paste of the selected row. 0, or -1 when nothing (or not all) was pasted, and -1
  // at once while another paste is under way (its waits dispatch messages, so a click can
  // arrive in the middle of one). The use count goes to the row that is selected after the
  // waits: the selection follows its item when captures add rows meanwhile.
  int pasteSelected(PasteSource& source, PasteFlags flags);
  // True from the start to the end of pasteSelected.
  bool inPaste() const { return inPaste_; }

  // The clipboard write and keystroke step for one text. 0 or -1 (reported).
  int PasteValue(std::string_view value, bool continuation);
  // The keystroke step alone; with `focusOnly` only the focus is given back.
  void SendPasteKeys(bool focusOnly, bool continuation);

  bool isPasting() const { return pasting_; }
  const PasteSettings& settings() const { return settings_; }
  void setSettings(const PasteSettings& settings) { settings_ = settings; }

 private:
  int pastePiece(std::string_view text, bool continuation) override;
  bool directPaste() const override { return flags_.paste; }

  int pasteSelectedRow(PasteSource& source);
  // The window step before the keys; false when the partial selection was cancelled.
  bool windowStep(std::string& value);
  void waitUntilInFront(WindowId window);
  void sendChord();
  void finish(PasteSource* source);

  PastePorts ports_;
  PasteHost& host_;
  WorkingWindow& working_;
  PasteSettings settings_;
  PasteKind kind_ = PasteKind::kOrdinary;
  PasteFlags flags_;
  bool partialMark_ = false;
  // The stored value of the row being pasted and its exact form: a piece that is still the
  // stored value (no macro, kind or partial selection changed it) is pasted in its exact form.
  std::string storedValue_;
  std::string exactValue_;
  bool pasting_ = false;
  bool inPaste_ = false;
};

}  // namespace qb
