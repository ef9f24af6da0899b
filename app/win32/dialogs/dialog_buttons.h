// The OK and "ｷｬﾝｾﾙ" buttons at the bottom right of a dialog.
#pragma once
#include "winui/dialogs/dialog_template.h"

namespace qb {

inline constexpr short kButtonWidth = 50;
inline constexpr short kButtonHeight = 14;
inline constexpr short kDialogMargin = 7;

// `width` is the dialog's width, `y` the buttons' top, in dialog units.
inline void AddOkCancelButtons(winui::DialogTemplate& dialog, short width, short y) {
  const short cancelX = static_cast<short>(width - kDialogMargin - kButtonWidth);
  const short okX = static_cast<short>(cancelX - 5 - kButtonWidth);
  dialog.button(IDOK, L"OK", {okX, y, kButtonWidth, kButtonHeight}, true);
  dialog.button(IDCANCEL, L"ｷｬﾝｾﾙ", {cancelX, y, kButtonWidth, kButtonHeight});
}

// The style of every dialog window: modal frame, caption, centred on the screen.
inline constexpr DWORD kDialogStyle =
    DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;

}  // namespace qb
