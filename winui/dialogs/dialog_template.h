// An in-memory dialog template (DLGTEMPLATE and its items), so that a dialog needs no resource
// script. Positions and sizes are dialog units of the dialog's font.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace qb::winui {

// The predefined control classes by their atoms.
enum class ControlClass : WORD {
  kButton = 0x0080,
  kEdit = 0x0081,
  kStatic = 0x0082,
  kListBox = 0x0083,
  kComboBox = 0x0085,
};

struct DialogRect {
  short x = 0;
  short y = 0;
  short width = 0;
  short height = 0;
};

class DialogTemplate {
 public:
  // `fontFace` and `fontPoints` go into the template (DS_SETFONT is added to `style`).
  DialogTemplate(std::wstring_view caption, DWORD style, DialogRect frame,
                 std::wstring_view fontFace, WORD fontPoints);

  void add(ControlClass control, int id, std::wstring_view text, DWORD style, DialogRect rect,
           DWORD exStyle = 0);
  // A control of a registered window class named by text ("RICHEDIT50W").
  void add(std::wstring_view className, int id, std::wstring_view text, DWORD style,
           DialogRect rect, DWORD exStyle = 0);

  // Frequent controls, all visible children.
  void label(int id, std::wstring_view text, DialogRect rect, DWORD extraStyle = 0);
  void button(int id, std::wstring_view text, DialogRect rect, bool isDefault = false);
  void radio(int id, std::wstring_view text, DialogRect rect, bool firstOfGroup);
  void edit(int id, DialogRect rect, DWORD extraStyle = 0);

  // The frame's height, for a dialog whose controls are laid out after the frame is begun.
  void setHeight(short height) { words_[kHeightOffset] = static_cast<WORD>(height); }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }
  int itemCount() const { return items_; }

 private:
  void beginItem(int id, DWORD style, DWORD exStyle, DialogRect rect);
  void endItem(std::wstring_view text);
  void put(WORD word) { words_.push_back(word); }
  void putDword(DWORD value);
  void putString(std::wstring_view text);
  void alignToDword();

  std::vector<WORD> words_;
  int items_ = 0;
  static constexpr std::size_t kCountOffset = 4;   // WORD index of DLGTEMPLATE::cdit
  static constexpr std::size_t kHeightOffset = 8;  // WORD index of DLGTEMPLATE::cy
};

}  // namespace qb::winui
