#include "winui/dialogs/dialog_font.h"

namespace qb::winui {
namespace {

int CALLBACK NoteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

}  // namespace

bool FontFaceInstalled(const std::wstring& face) {
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  face.copy(query.lfFaceName, face.size());
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &query, NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

std::wstring SystemGuiFontFace() {
  LOGFONTW font{};
  if (GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font) == 0) return L"MS Shell Dlg";
  return font.lfFaceName;
}

std::wstring ResolveDialogFontFace(const std::wstring& requested) {
  const std::wstring face = requested.empty() ? std::wstring(kDefaultDialogFontFace) : requested;
  return FontFaceInstalled(face) ? face : SystemGuiFontFace();
}

LONG FontHeightForPoints(int points) {
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return -MulDiv(points, pixelsPerInch, 72);
}

}  // namespace qb::winui
