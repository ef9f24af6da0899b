#include "winui/dialogs/dialog_template.h"

namespace qb::winui {

DialogTemplate::DialogTemplate(std::wstring_view caption, DWORD style, DialogRect frame,
                               std::wstring_view fontFace, WORD fontPoints) {
  putDword(style | DS_SETFONT);
  putDword(0);  // extended style
  put(0);       // item count, filled in by add()
  put(static_cast<WORD>(frame.x));
  put(static_cast<WORD>(frame.y));
  put(static_cast<WORD>(frame.width));
  put(static_cast<WORD>(frame.height));
  put(0);  // no menu
  put(0);  // the predefined dialog class
  putString(caption);
  put(fontPoints);
  putString(fontFace);
}

void DialogTemplate::putDword(DWORD value) {
  put(LOWORD(value));
  put(HIWORD(value));
}

void DialogTemplate::putString(std::wstring_view text) {
  for (wchar_t c : text) put(static_cast<WORD>(c));
  put(0);
}

void DialogTemplate::alignToDword() {
  if (words_.size() % 2 != 0) put(0);
}

void DialogTemplate::beginItem(int id, DWORD style, DWORD exStyle, DialogRect rect) {
  alignToDword();
  putDword(style);
  putDword(exStyle);
  put(static_cast<WORD>(rect.x));
  put(static_cast<WORD>(rect.y));
  put(static_cast<WORD>(rect.width));
  put(static_cast<WORD>(rect.height));
  put(static_cast<WORD>(id));
}

void DialogTemplate::endItem(std::wstring_view text) {
  putString(text);
  put(0);  // no creation data
  words_[kCountOffset] = static_cast<WORD>(++items_);
}

void DialogTemplate::add(ControlClass control, int id, std::wstring_view text, DWORD style,
                         DialogRect rect, DWORD exStyle) {
  beginItem(id, style, exStyle, rect);
  put(0xFFFF);
  put(static_cast<WORD>(control));
  endItem(text);
}

void DialogTemplate::add(std::wstring_view className, int id, std::wstring_view text, DWORD style,
                         DialogRect rect, DWORD exStyle) {
  beginItem(id, style, exStyle, rect);
  putString(className);
  endItem(text);
}

void DialogTemplate::label(int id, std::wstring_view text, DialogRect rect, DWORD extraStyle) {
  add(ControlClass::kStatic, id, text, WS_CHILD | WS_VISIBLE | SS_LEFT | extraStyle, rect);
}

void DialogTemplate::button(int id, std::wstring_view text, DialogRect rect, bool isDefault) {
  const DWORD kind = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  add(ControlClass::kButton, id, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind, rect);
}

void DialogTemplate::radio(int id, std::wstring_view text, DialogRect rect, bool firstOfGroup) {
  const DWORD group = firstOfGroup ? WS_GROUP | WS_TABSTOP : 0;
  add(ControlClass::kButton, id, text, WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | group, rect);
}

void DialogTemplate::edit(int id, DialogRect rect, DWORD extraStyle) {
  add(ControlClass::kEdit, id, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | extraStyle,
      rect, WS_EX_CLIENTEDGE);
}

}  // namespace qb::winui
