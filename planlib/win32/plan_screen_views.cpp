// "プラン実行［プラン変数（作業用）設定］", "プラン実行［文字列表示］" and "プラン実行［選択画面］".
#include "planlib/win32/plan_screen_views.h"

#include "planlib/win32/file_choosers.h"
#include "planlib/win32/plan_dialog_ids.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/control_text.h"
#include "winui/dialogs/modal_dialog.h"
#include "winui/dialogs/rich_edit.h"

namespace qb {
namespace {

using namespace plan_dialog_ids;

constexpr DWORD kScreenStyle = DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr short kButtonHeight = 14;
constexpr DWORD kAnyLength = 0x7FFFFFFE;

void AddHeading(winui::DialogTemplate& dialog, short width) {
  dialog.label(kHeading, L"", {7, 7, static_cast<short>(width - 14), 20}, SS_NOPREFIX);
}

class PlanInputView : public winui::ModalDialog {
 public:
  PlanInputView(Ui& ui, const std::wstring& font, PlanInputModel& model)
      : ModalDialog(ui, font), model_(model) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 300;
    const short editHeight = model_.multiLine() ? 110 : 12;
    const short editWidth = model_.offersChooser() ? 230 : kWidth - 14;
    const auto buttonsY = static_cast<short>(32 + editHeight + 8);
    winui::DialogTemplate dialog(SjisToWide(PlanInputModel::kCaption), kScreenStyle,
                                 {0, 0, kWidth, static_cast<short>(buttonsY + 21)}, face, points);
    AddHeading(dialog, kWidth);
    DWORD lines = model_.multiLine() ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL : 0;
    dialog.edit(kInputEdit, {7, 30, editWidth, editHeight}, lines);
    if (model_.offersChooser()) dialog.button(kInputChooser, L"参照...", {243, 29, 50, kButtonHeight});
    dialog.button(IDOK, L"OK", {188, buttonsY, 50, kButtonHeight}, !model_.multiLine());
    dialog.button(IDCANCEL, L"キャンセル", {243, buttonsY, 50, kButtonHeight});
    return dialog;
  }

  void onInit() override {
    winui::SetWindowTextSjis(item(kHeading), model_.heading());
    SendMessageW(item(kInputEdit), EM_LIMITTEXT, kAnyLength, 0);
    winui::SetWindowTextSjis(item(kInputEdit), model_.value());
    focusItem(kInputEdit);
  }

  bool onCommand(int id, int, HWND) override {
    if (id != kInputChooser) return false;
    const std::wstring current = winui::WindowTextOf(item(kInputEdit));
    std::wstring chosen;
    switch (model_.kind()) {
      case PlanInputKind::kOpenFile: chosen = ChooseFile(window(), current, {}); break;
      case PlanInputKind::kSaveFile: chosen = ChooseFile(window(), current, {L"", L"", true}); break;
      default: chosen = ChooseFolder(window(), current, SjisToWide(model_.heading())); break;
    }
    if (!chosen.empty()) SetWindowTextW(item(kInputEdit), chosen.c_str());
    return true;
  }

  void onOk() override {
    if (model_.ok(winui::WindowTextSjis(item(kInputEdit)))) end(IDOK);
  }
  void onCancel() override {
    if (model_.cancel()) end(IDCANCEL);
  }

 private:
  PlanInputModel& model_;
};

class PlanDisplayView : public winui::ModalDialog {
 public:
  PlanDisplayView(Ui& ui, const std::wstring& font, PlanDisplayModel& model)
      : ModalDialog(ui, font), model_(model) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 400;
    winui::DialogTemplate dialog(SjisToWide(PlanDisplayModel::kCaption), kScreenStyle,
                                 {0, 0, kWidth, 250}, face, points);
    AddHeading(dialog, kWidth);
    dialog.add(winui::RichEdit::ClassName(), kDisplayText, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE |
                   ES_AUTOVSCROLL | ES_READONLY,
               {7, 30, kWidth - 14, 190});
    if (model_.offersSuppress()) {
      dialog.button(kDisplaySuppress, SjisToWide(PlanDisplayModel::kSuppressButton), {7, 229, 90, kButtonHeight});
    }
    dialog.button(IDOK, SjisToWide(PlanDisplayModel::kOkButton), {218, 229, 70, kButtonHeight}, true);
    dialog.button(IDCANCEL, SjisToWide(PlanDisplayModel::kCancelButton), {293, 229, 100, kButtonHeight});
    return dialog;
  }

  void onInit() override {
    winui::SetWindowTextSjis(item(kHeading), model_.heading());
    winui::RichEdit text(item(kDisplayText));
    text.setLimit(kAnyLength);
    text.setBackground(GetSysColor(COLOR_BTNFACE));
    text.setText(SjisToWide(model_.text()));
    focusItem(IDOK);
  }

  bool onCommand(int id, int, HWND) override {
    if (id != kDisplaySuppress) return false;
    model_.suppressLater();
    end(IDOK);
    return true;
  }
  void onOk() override {
    model_.ok();
    end(IDOK);
  }
  void onCancel() override {
    if (model_.cancel()) end(IDCANCEL);
  }

 private:
  PlanDisplayModel& model_;
};

class PlanSelectView : public winui::ModalDialog {
 public:
  PlanSelectView(Ui& ui, const std::wstring& font, PlanSelectModel& model)
      : ModalDialog(ui, font), model_(model) {}

 protected:
  // The buttons in two columns, six rows.
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    constexpr short kWidth = 300;
    constexpr short kColumnWidth = 140;
    constexpr short kRowStep = 20;
    const auto count = static_cast<int>(model_.buttons().size());
    const auto rows = static_cast<short>((count + 1) / 2);
    const auto cancelY = static_cast<short>(32 + rows * kRowStep + 6);
    winui::DialogTemplate dialog(SjisToWide(PlanSelectModel::kCaption), kScreenStyle,
                                 {0, 0, kWidth, static_cast<short>(cancelY + 21)}, face, points);
    AddHeading(dialog, kWidth);
    for (int i = 0; i < count; ++i) {
      const auto x = static_cast<short>(i % 2 == 0 ? 7 : 7 + kColumnWidth + 6);
      const auto y = static_cast<short>(32 + (i / 2) * kRowStep);
      dialog.button(kSelectFirstButton + i, SjisToWide(model_.buttons()[static_cast<std::size_t>(i)]),
                    {x, y, kColumnWidth, 16});
    }
    dialog.button(IDCANCEL, L"キャンセル", {243, cancelY, 50, kButtonHeight});
    return dialog;
  }

  void onInit() override {
    winui::SetWindowTextSjis(item(kHeading), model_.heading());
    focusItem(kSelectFirstButton);
  }

  bool onCommand(int id, int, HWND) override {
    const int button = id - kSelectFirstButton + 1;
    if (button < 1 || button > PlanSelectModel::kMaxButtons) return false;
    if (model_.choose(button)) end(IDOK);
    return true;
  }
  void onOk() override {}  // Enter chooses the focused button through its own command
  void onCancel() override {
    if (model_.cancel()) end(IDCANCEL);
  }

 private:
  PlanSelectModel& model_;
};

}  // namespace

void RunPlanInputView(HWND owner, Ui& ui, const std::wstring& fontFace, PlanInputModel& model) {
  PlanInputView(ui, fontFace, model).runModal(owner);
}

void RunPlanDisplayView(HWND owner, Ui& ui, const std::wstring& fontFace, PlanDisplayModel& model) {
  PlanDisplayView(ui, fontFace, model).runModal(owner);
}

void RunPlanSelectView(HWND owner, Ui& ui, const std::wstring& fontFace, PlanSelectModel& model) {
  PlanSelectView(ui, fontFace, model).runModal(owner);
}

}  // namespace qb
