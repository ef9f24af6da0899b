// The font of the program's dialogs: the face the caller names, when the system has it, else the
// face of the system's GUI font; always 9 points. The dialog manager creates it for the display's
// pixels per inch, and every dialog unit follows it.
#pragma once
#include <windows.h>

#include <string>

namespace qb::winui {

inline constexpr wchar_t kDefaultDialogFontFace[] = L"MS UI Gothic";
inline constexpr WORD kDialogFontPoints = 9;

// True when a font family of that name is installed.
bool FontFaceInstalled(const std::wstring& face);
// The face of DEFAULT_GUI_FONT.
std::wstring SystemGuiFontFace();
// `requested` when installed (an empty name asks for the default face), else the GUI font's face.
std::wstring ResolveDialogFontFace(const std::wstring& requested);
// The font height in logical units for `points` on the screen (negative: character height).
LONG FontHeightForPoints(int points);

}  // namespace qb::winui
