// The content view ("内容確認..."): the whole value of a row, read-only, and its size in bytes.
#include <string>

#include "app/win32/dialogs/dialog_buttons.h"
#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

using namespace dialog_ids;

// An edit control breaks lines only at "\r\n": a lone "\n" or "\r" is shown as a break too.
std::wstring WithEditLineBreaks(const std::wstring& text) {
  std::wstring shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
      shown += L"\r\n";
      ++i;
    } else if (c == L'\r' || c == L'\n') {
      shown += L"\r\n";
    } else {
      shown += c;
    }
  }
  return shown;
}

class ContentViewDialog : public winui::ModalDialog {
 public:
  ContentViewDialog(Ui& ui, const std::wstring& font, const std::string& title,
                    const std::string& value, const std::string& exact)
      : ModalDialog(ui, font), title_(title), value_(value), exact_(exact) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 320;
    winui::DialogTemplate dialog(SjisToWide(title_), kDialogStyle, {0, 0, kWidth, 220}, face, points);
    dialog.label(kContentSize, L"", {7, 7, 306, 10});
    dialog.add(winui::ControlClass::kEdit, kContentText, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                   ES_READONLY,
               {7, 20, 306, 175}, WS_EX_CLIENTEDGE);
    dialog.button(IDOK, L"閉じる", {static_cast<short>(kWidth - 57), 200, 50, 14}, true);
    return dialog;
  }

  void onInit() override {
    const std::wstring size = L"サイズ：" + std::to_wstring(value_.size()) + L" バイト";
    SetDlgItemTextW(window(), kContentSize, size.c_str());
    SendDlgItemMessageW(window(), kContentText, EM_SETLIMITTEXT, 0, 0);  // no limit
    const std::wstring text = exact_.empty() ? SjisToWide(value_) : Utf8ToWide(exact_);
    SetDlgItemTextW(window(), kContentText, WithEditLineBreaks(text).c_str());
    focusItem(IDOK);
  }

 private:
  const std::string& title_;
  const std::string& value_;
  const std::string& exact_;
};

}  // namespace

void RunContentViewDialog(HWND owner, Ui& ui, const std::wstring& font, const std::string& title,
                          const std::string& value, const std::string& exact) {
  ContentViewDialog dialog(ui, font, title, value, exact);
  dialog.runModal(owner);
}

}  // namespace qb
