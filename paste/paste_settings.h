// The settings the paste engine and the window link read.
#pragma once
#include "app/settings/environment_settings.h"

namespace qb {

struct PasteSettings {
  bool directSend = true;      // DIRECT_SEND=: a click pastes, Ctrl makes it a copy
  bool precise = false;        // InPrecisionFlg=: focus the recorded control before the keys
  int pasteWait = 0;           // PasteWait=: milliseconds before the chord
  bool refocusTap = false;     // PasteRefoFlg=: tap Ctrl once before the chord
  int rightShare = 190;        // WIN2_SIZE_W_100=: per mille of the work-area width
  int bottomShare = 1000;      // WIN3_SIZE_H_100=: per mille of the work-area height
};

inline PasteSettings PasteSettingsFrom(const EnvironmentSettings& settings) {
  PasteSettings paste;
  paste.directSend = settings.DIRECT_SEND != 0;
  paste.precise = settings.InPrecisionFlg == 1;
  paste.pasteWait = settings.PasteWait;
  paste.refocusTap = settings.PasteRefoFlg == 1;
  paste.rightShare = settings.WIN2_SIZE_W_100;
  paste.bottomShare = settings.WIN3_SIZE_H_100;
  return paste;
}

}  // namespace qb
