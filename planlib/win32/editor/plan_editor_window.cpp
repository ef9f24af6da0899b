#include "planlib/win32/editor/plan_editor_window.h"

#include <algorithm>

#include "planlib/editor/editor_messages.h"
#include "planlib/editor/plan_editor_commands.h"
#include "planlib/editor/plan_lock.h"
#include "planlib/editor/plan_variable_menu.h"
#include "planlib/win32/editor/block_dialogs.h"
#include "planlib/win32/editor/editor_choices.h"
#include "planlib/win32/editor/editor_dialog_ids.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/control_text.h"
#include "winui/dialogs/modal_dialog.h"
#include "winui/dialogs/rich_edit.h"

namespace qb {
namespace {

using namespace editor_dialog_ids;

constexpr short kWidth = 420;
constexpr short kHeight = 200;
constexpr short kMargin = 7;
constexpr short kFieldX = 66;
constexpr short kListTop = 68;
constexpr short kButtonHeight = 14;
constexpr int kFewestRows = 6;
constexpr int kMostRows = 18;
constexpr DWORD kStyle = DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX;

constexpr const wchar_t* kRowMenu[] = {L"上に操作ブロックを追加", L"下に操作ブロックを追加", L"変更", L"切り取り",
                                       L"コピー", L"上に貼り付け", L"下に貼り付け", L"削除"};
enum RowCommand { kAddAbove, kAddBelow, kChange, kCut, kCopy, kPasteAbove, kPasteBelow, kDelete };
constexpr const wchar_t* kTextMenu[] = {L"切り取り", L"コピー", L"貼り付け", L"元に戻す", L"すべて選択", L"削除"};
constexpr UINT kTextMessages[] = {WM_CUT, WM_COPY, WM_PASTE, WM_UNDO, EM_SETSEL, WM_CLEAR};

// A button of the row below the list: its id, caption, x from the left (or, when negative, from
// the right) and width, in dialog units.
struct BottomButton {
  int id;
  const wchar_t* caption;
  short x;
  short width;
};
constexpr BottomButton kBottomButtons[] = {
    {kAddBlock, L"操作ブロックの新規追加", 7, 96}, {kPatterns, L"基本パターンの選択", 106, 80},
    {kOptions, L"オプション設定...", 189, 80},     {IDOK, L"OK", -145, 44},
    {IDCANCEL, L"ｷｬﾝｾﾙ", -98, 44},                {kHelp, L"ヘルプ", -51, 44}};

class UiQuestions : public EditorQuestions {
 public:
  explicit UiQuestions(Ui& ui) : ui_(ui) {}
  bool ask(std::string_view question) override {
    return ui_.showMessage(question, MessageIcon::kQuestion, MessageButtons::kYesNo) == MessageAnswer::kYes;
  }

 private:
  Ui& ui_;
};

class PlanEditorWindow : public winui::ModalDialog, private EditorScreens {
 public:
  PlanEditorWindow(Ui& ui, Clock& clock, const PlanEditorSetup& setup, PlanEditModel& model)
      : ModalDialog(ui, setup.fontFace), setup_(setup), model_(model), questions_(ui),
        commands_(model, *this, questions_), saver_(setup.userId, clock, questions_),
        lock_(model.header("PLAN_LOCK_ID"), setup.userId) {}

  PlanEditorOutcome outcome() const { return {result_, maximized_}; }

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    const std::wstring caption = SjisToWide(setup_.title + std::string(editor_text::kEditorCaptionSuffix));
    winui::DialogTemplate dialog(caption, kStyle, {0, 0, kWidth, kHeight}, face, points);
    constexpr DWORD kField = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    dialog.label(kNameCaption, L"プラン名　  ：", {kMargin, 9, 58, 10});
    dialog.add(winui::RichEdit::ClassName(), kName, L"", kField, {kFieldX, 7, 200, 13});
    dialog.label(kSummaryCaption, L"プラン説明 ：", {kMargin, 26, 58, 10});
    dialog.add(winui::RichEdit::ClassName(), kSummary, L"", kField, {kFieldX, 24, 347, 13});
    dialog.label(kHint, SjisToWide(kHintText), {kMargin, 43, 406, 20}, SS_NOPREFIX);
    dialog.add(winui::ControlClass::kListBox, kBlockList, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY |
                   LBS_NOINTEGRALHEIGHT,
               {kMargin, kListTop, 406, 104});
    for (const BottomButton& button : kBottomButtons) {
      const auto x = static_cast<short>(button.x >= 0 ? button.x : kWidth + button.x);
      dialog.button(button.id, button.caption, {x, 179, button.width, kButtonHeight}, button.id == IDOK);
    }
    return dialog;
  }

  void onInit() override {
    if (setup_.opened) setup_.opened(window());
    name_.attach(item(kName));
    summary_.attach(item(kSummary));
    name_.setLimit(static_cast<long>(kPlanNameCharacters));
    showing_ = true;
    name_.setText(SjisToWide(model_.header("PLAN_NAME")));
    summary_.setText(SjisToWide(model_.header("PLAN_GAIYO")));
    showing_ = false;
    name_.setEventMask(ENM_CHANGE);
    summary_.setEventMask(ENM_CHANGE);
    RECT frame{};
    GetWindowRect(window(), &frame);
    designSize_ = {frame.right - frame.left, frame.bottom - frame.top};
    showList(0);
    layout();
    if (setup_.maximized) ShowWindow(window(), SW_MAXIMIZE);
    focusItem(kName);
  }

  bool onCommand(int id, int code, HWND) override {
    if ((id == kName || id == kSummary) && code == EN_CHANGE) {
      takeField(id);
    } else if (id == kBlockList && code == LBN_DBLCLK) {
      rowCommand(kChange);
    } else if (id == kAddBlock) {
      if (commands_.addAtEnd()) showList(static_cast<int>(model_.blockCount()) - 1);
    } else if (id == kPatterns) {
      if (commands_.applyPattern()) showList(0);
    } else if (id == kOptions) {
      RunEditorOptionsDialog(window(), ui(), setup_.fontFace, lock_);
    } else if (id == kHelp) {
      openHelp();
    } else if (id >= kRowMenuFirst && id < kRowMenuFirst + 8) {
      rowCommand(id - kRowMenuFirst);
    } else if (id >= kTextMenuFirst && id < kTextMenuFirst + 6) {
      SendMessageW(menuField_, kTextMessages[id - kTextMenuFirst], 0, id == kTextMenuFirst + 4 ? -1 : 0);
    } else if (id >= kVariableFirst && id < kVariableFirst + static_cast<int>(variables_.size())) {
      const std::wstring name = SjisToWide(variables_[static_cast<std::size_t>(id - kVariableFirst)]);
      SendMessageW(menuField_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(name.c_str()));
    } else {
      return false;
    }
    return true;
  }

  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override {
    if (message == WM_SIZE) {
      layout();
    } else if (message == WM_GETMINMAXINFO) {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      if (designSize_.cx > 0) limits->ptMinTrackSize = {designSize_.cx, minimumHeight()};
    } else if (message == WM_CONTEXTMENU) {
      showContextMenu(reinterpret_cast<HWND>(wParam), lParam);
    } else {
      return false;
    }
    result = 0;
    return true;
  }

  void onOk() override {
    takeField(kName);
    takeField(kSummary);
    std::optional<EditedPlan> plan = commands_.ok(saver_, lock_);
    if (!plan) return;
    result_ = std::move(plan);
    close(IDOK);
  }

  void onCancel() override {
    if (commands_.cancel()) close(IDCANCEL);
  }

 private:
  static constexpr std::string_view kHintText =
      "新規に作成する場合は、「操作ブロックの新規追加」か「基本パターンの選択」をクリックしてください。\n"
      "操作ブロックを上か下に追加する場合は、右クリックで表示されるメニューから指定してください。";

  // EditorScreens
  std::optional<int> chooseDepth(const std::vector<int>& depths, int rowDepth) override {
    return RunDepthDialog(window(), ui(), setup_.fontFace, depths, rowDepth);
  }
  std::optional<std::string> chooseBlockKind() override {
    return RunBlockChoiceDialog(window(), ui(), setup_.fontFace);
  }
  std::optional<std::string> editBlock(BlockDialogModel& dialog) override {
    return RunBlockDialog(window(), ui(), setup_.fontFace, dialog);
  }
  std::optional<std::size_t> choosePattern() override { return RunPatternDialog(window(), ui(), setup_.fontFace); }
  void refuse(std::string_view message) override { ui().showMessage(message, MessageIcon::kExclamation); }

  void close(INT_PTR result) {
    RECT frame{};
    GetWindowRect(window(), &frame);
    maximized_ = IsZoomed(window()) || frame.right - frame.left > designSize_.cx ||
                 frame.bottom - frame.top > designSize_.cy;
    end(result);
  }

  void takeField(int id) {
    if (showing_) return;
    winui::RichEdit& field = id == kName ? name_ : summary_;
    const std::string text = WideToSjis(field.text());
    const EditResult result = id == kName ? model_.setName(text) : model_.setSummary(text);
    if (result.ok) return;
    refuse(result.message);
    showing_ = true;
    field.setText(SjisToWide(model_.header(id == kName ? "PLAN_NAME" : "PLAN_GAIYO")));
    showing_ = false;
  }

  void showList(int selected) {
    HWND list = item(kBlockList);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const BlockListRow& row : model_.listRows()) {
      std::wstring text(static_cast<std::size_t>(row.depth) * 2, L'　');
      text += SjisToWide(row.text);
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    const int count = static_cast<int>(model_.blockCount());
    if (count > 0) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(std::clamp(selected, 0, count - 1)), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
  }

  int selectedRow() const { return static_cast<int>(SendMessageW(item(kBlockList), LB_GETCURSEL, 0, 0)); }

  void rowCommand(int command) {
    const int row = selectedRow();
    if (row < 0) return;
    const auto at = static_cast<std::size_t>(row);
    bool changed = false;
    int select = row;
    switch (command) {
      case kAddAbove: changed = commands_.addBeside(at, Side::Above); break;
      case kAddBelow: changed = commands_.addBeside(at, Side::Below); select = -1; break;
      case kChange: changed = commands_.change(at); break;
      case kCut: changed = commands_.cut(at); break;
      case kCopy: commands_.copy(at); break;
      case kPasteAbove: changed = commands_.paste(at, Side::Above); break;
      case kPasteBelow: changed = commands_.paste(at, Side::Below); break;
      case kDelete: changed = commands_.remove(at); break;
      default: break;
    }
    if (changed) showList(select >= 0 ? select : row + 1);
  }

  void openHelp() {
    const std::string path = setup_.hostFolder + "\\" + std::string(editor_text::kHelpFile);
    if (!setup_.openHelp || !setup_.openHelp(path)) refuse(editor_text::kHelpMissing);
  }

  POINT menuPoint(HWND control, LPARAM lParam) const {
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {
      at = {0, 0};
      ClientToScreen(control, &at);
    }
    return at;
  }

  void showContextMenu(HWND control, LPARAM lParam) {
    const POINT at = menuPoint(control, lParam);
    if (control == item(kBlockList)) {
      showRowMenu(at);
    } else if (control == name_.handle() || control == summary_.handle()) {
      showTextMenu(control, at);
    }
  }

  void showRowMenu(POINT at) {
    HWND list = item(kBlockList);
    POINT client = at;
    ScreenToClient(list, &client);
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    if (HIWORD(hit) == 0) SendMessageW(list, LB_SETCURSEL, LOWORD(hit), 0);
    if (selectedRow() < 0) return;
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < 8; ++i) {
      const bool paste = i == kPasteAbove || i == kPasteBelow;
      AppendMenuW(menu, MF_STRING | (paste && !commands_.canPaste() ? MF_GRAYED : 0),
                  static_cast<UINT_PTR>(kRowMenuFirst + i), kRowMenu[i]);
    }
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, window(), nullptr);
    DestroyMenu(menu);
  }

  void showTextMenu(HWND field, POINT at) {
    menuField_ = field;
    variables_.clear();
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < 5; ++i) AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(kTextMenuFirst + i), kTextMenu[i]);
    HMENU groups = CreatePopupMenu();
    for (const PlanVariableGroup& group : PlanVariableMenu()) {
      HMENU names = CreatePopupMenu();
      for (const std::string& name : group.names) {
        AppendMenuW(names, MF_STRING, static_cast<UINT_PTR>(kVariableFirst + static_cast<int>(variables_.size())),
                    SjisToWide(name).c_str());
        variables_.push_back(name);
      }
      AppendMenuW(groups, MF_POPUP, reinterpret_cast<UINT_PTR>(names), SjisToWide(std::string(group.label)).c_str());
    }
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(groups), L"プラン変数");
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(kTextMenuFirst + 5), kTextMenu[5]);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, window(), nullptr);
    DestroyMenu(menu);
  }

  RECT units(short x, short y, short width, short height) const {
    RECT rect{x, y, x + width, y + height};
    MapDialogRect(window(), &rect);
    return rect;
  }

  int rowHeight() const { return static_cast<int>(SendMessageW(item(kBlockList), LB_GETITEMHEIGHT, 0, 0)); }

  // The list's height for this many rows, with its border.
  int listHeight(int rows) const { return rows * rowHeight() + 2 * GetSystemMetrics(SM_CYBORDER) + 2; }

  int bottomArea() const { return static_cast<int>(units(0, 0, 0, kMargin + kButtonHeight + kMargin).bottom); }

  int minimumHeight() const {
    RECT frame{0, 0, 0, units(0, 0, 0, kListTop).bottom + listHeight(kFewestRows) + bottomArea()};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window(), GWL_STYLE)), FALSE, 0);
    return frame.bottom - frame.top;
  }

  void layout() {
    RECT client{};
    GetClientRect(window(), &client);
    const int margin = static_cast<int>(units(0, 0, kMargin, 0).right);
    const int fieldX = static_cast<int>(units(kFieldX, 0, 0, 0).left);
    const int width = static_cast<int>(client.right) - 2 * margin;
    const int top = static_cast<int>(units(0, kListTop, 0, 0).top);
    const int rows = std::clamp(static_cast<int>(client.bottom - top - bottomArea()) / std::max(1, rowHeight()), kFewestRows, kMostRows);
    const int height = listHeight(rows);
    MoveWindow(item(kBlockList), margin, top, width, height, TRUE);
    const RECT summary = units(kFieldX, 24, 0, 13);
    MoveWindow(summary_.handle(), fieldX, summary.top, client.right - margin - fieldX, summary.bottom - summary.top, TRUE);
    const RECT hint = units(0, 43, 0, 20);
    MoveWindow(item(kHint), margin, hint.top, width, hint.bottom - hint.top, TRUE);
    const int buttonsTop = top + height + margin;
    for (const BottomButton& button : kBottomButtons) {
      const RECT place = units(button.x >= 0 ? button.x : 0, 0, button.width, kButtonHeight);
      const int x = button.x >= 0 ? place.left : client.right + units(button.x, 0, 0, 0).left;
      MoveWindow(item(button.id), x, buttonsTop, place.right - place.left, place.bottom, TRUE);
    }
  }

  const PlanEditorSetup& setup_;
  PlanEditModel& model_;
  UiQuestions questions_;
  PlanEditorCommands commands_;
  PlanSaver saver_;
  PlanLock lock_;
  winui::RichEdit name_;
  winui::RichEdit summary_;
  HWND menuField_ = nullptr;
  std::vector<std::string> variables_;
  SIZE designSize_{};
  bool showing_ = false;
  std::optional<EditedPlan> result_;
  bool maximized_ = false;
};

}  // namespace

PlanEditorOutcome RunPlanEditor(HWND owner, Ui& ui, Clock& clock, const PlanEditorSetup& setup,
                                PlanEditModel& model) {
  PlanEditorWindow window(ui, clock, setup, model);
  window.runModal(owner);
  return window.outcome();
}

}  // namespace qb
