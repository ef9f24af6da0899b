// A rich-edit control of a dialog: plain text in and out (never read as RTF), colour, bold and
// protected ranges, and the selection. Positions are the control's (see RichTextMap).
#pragma once
#include <windows.h>

#include <richedit.h>

#include <string>
#include <string_view>

namespace qb::winui {

struct CharacterLook {
  COLORREF color = 0;
  bool automaticColor = true;  // the control's text colour; `color` is ignored
  bool bold = false;
  bool isProtected = false;
};

struct ControlRange {
  long start = 0;
  long end = 0;
};

class RichEdit {
 public:
  // Loads the rich-edit library once; the class name to put into a dialog template.
  static const wchar_t* ClassName();

  RichEdit() = default;
  explicit RichEdit(HWND control) : control_(control) {}
  void attach(HWND control) { control_ = control; }
  HWND handle() const { return control_; }

  // Characters the control accepts (typed and set).
  void setLimit(long characters);
  void setBackground(COLORREF color);
  void setEventMask(DWORD mask);
  // Replaces the whole text, as plain text in the default look.
  void setText(std::wstring_view text);
  // The whole text with "\r\n" line breaks.
  std::wstring text() const;
  long length() const;

  // Gives [start, end) a look; the selection is kept.
  void setLook(ControlRange range, const CharacterLook& look);
  // The look of text typed at the caret.
  void setTypingLook(const CharacterLook& look);

  ControlRange selection() const;
  void select(ControlRange range);

 private:
  CHARFORMAT2W format(const CharacterLook& look) const;

  HWND control_ = nullptr;
};

}  // namespace qb::winui
