// "貼付時入力": five fields for the input macros of a text and a read-only preview of the text
// as filled, the filled places bold and blue. The fields are read every 500 ms while the focus
// is not in the preview; the input method is opened or closed as it was left last time.
#include <windows.h>

#include <imm.h>

#include "app/win32/dialogs/dialog_buttons.h"
#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/control_text.h"
#include "winui/dialogs/modal_dialog.h"
#include "winui/dialogs/rich_edit.h"
#include "winui/dialogs/rich_text_map.h"

namespace qb {
namespace {

using namespace dialog_ids;

constexpr short kWidth = 260;
constexpr short kRowHeight = 16;
// A filled text may be as long as a stored value (512000 bytes) and more.
constexpr long kPreviewCharacters = 1024 * 1024;

class InputDialog : public winui::ModalDialog {
 public:
  InputDialog(Ui& ui, const std::wstring& font, InputDialogModel& model)
      : ModalDialog(ui, font), model_(model) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    winui::DialogTemplate dialog(L"貼付時入力", kDialogStyle, {0, 0, kWidth, 200}, face, points);
    for (int i = 0; i < kInputFieldCount; ++i) {
      const auto y = static_cast<short>(7 + kRowHeight * i);
      dialog.label(kInputLabel + i, SjisToWide(model_.fieldLabel(i)), {7, static_cast<short>(y + 2), 32, 10});
      dialog.edit(kInputField + i, {40, y, 213, 12});
    }
    dialog.label(kInputPreviewLabel, L"値：", {7, 89, 32, 10});
    dialog.add(winui::RichEdit::ClassName(), kInputPreview, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE |
                   ES_AUTOVSCROLL | ES_READONLY,
               {7, 100, 246, 75});
    AddOkCancelButtons(dialog, kWidth, 180);
    return dialog;
  }

  void onInit() override {
    preview_.attach(item(kInputPreview));
    preview_.setLimit(kPreviewCharacters);
    preview_.setBackground(GetSysColor(COLOR_BTNFACE));
    int firstEnabled = -1;
    for (int i = 0; i < kInputFieldCount; ++i) {
      EnableWindow(item(kInputField + i), model_.fieldEnabled(i));
      if (model_.fieldEnabled(i) && firstEnabled < 0) firstEnabled = i;
    }
    setInputMethodOpen(model_.imeOpenAtStart());
    showPreview();
    SetTimer(window(), kInputUpdateTimer, kInputUpdateMilliseconds, nullptr);
    if (firstEnabled >= 0) focusItem(kInputField + firstEnabled);
  }

  void onTimer(UINT_PTR timer) override {
    if (timer != kInputUpdateTimer || GetFocus() == preview_.handle()) return;
    if (model_.update(fields())) showPreview();
  }

  void onOk() override {
    const bool accepted = model_.ok(fields(), inputMethodOpen());
    showPreview();
    if (accepted) close(IDOK);
  }

  void onCancel() override {
    model_.cancel(inputMethodOpen());
    close(IDCANCEL);
  }

 private:
  void close(int result) {
    KillTimer(window(), kInputUpdateTimer);
    end(result);
  }

  InputFields fields() const {
    InputFields values;
    for (int i = 0; i < kInputFieldCount; ++i) {
      values[i] = winui::WindowTextSjis(GetDlgItem(window(), kInputField + i));
    }
    return values;
  }

  void showPreview() {
    const std::string text = model_.previewText();
    const winui::RichTextMap map(text);
    preview_.setText(SjisToWide(text));
    const winui::CharacterLook filled{static_cast<COLORREF>(kInputPreviewColor), false, true, false};
    for (const TextRange& range : model_.highlightedRanges()) {
      preview_.setLook({map.toControl(range.start), map.toControl(range.end)}, filled);
    }
  }

  // The fields share the thread's input context; without an input method the flag stays.
  HWND inputWindow() const { return item(kInputField); }
  void setInputMethodOpen(bool open) {
    HIMC context = ImmGetContext(inputWindow());
    if (context == nullptr) return;
    ImmSetOpenStatus(context, open ? TRUE : FALSE);
    ImmReleaseContext(inputWindow(), context);
  }
  bool inputMethodOpen() const {
    HIMC context = ImmGetContext(inputWindow());
    if (context == nullptr) return model_.imeOpenAtStart();
    const bool open = ImmGetOpenStatus(context) != FALSE;
    ImmReleaseContext(inputWindow(), context);
    return open;
  }

  InputDialogModel& model_;
  winui::RichEdit preview_;
};

}  // namespace

Win32InputDialogRunner::Win32InputDialogRunner(HWND owner, Ui& ui, std::wstring fontName)
    : owner_(owner), ui_(ui), fontName_(std::move(fontName)) {}

bool Win32InputDialogRunner::runModal(InputDialogModel& model) {
  InputDialog dialog(ui_, fontName_, model);
  return dialog.runModal(owner_) == IDOK;
}

}  // namespace qb
