#include "planlib/win32/editor/form_dialog.h"

#include <shellapi.h>

#include <vector>

#include "planlib/editor/block_catalog.h"
#include "planlib/editor/block_forms.h"
#include "planlib/editor/path_check.h"
#include "planlib/win32/editor/block_dialogs.h"
#include "planlib/win32/editor/editor_dialog_ids.h"
#include "planlib/win32/editor/form_fields.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/control_text.h"

namespace qb {
namespace {

using namespace editor_dialog_ids;

constexpr short kWidth = 330;
constexpr short kMargin = 7;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr DWORD kStyle = DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;

// The settings of one condition of the list.
class ConditionSubject : public FormSubject {
 public:
  explicit ConditionSubject(ConditionEntry entry)
      : entry_(std::move(entry)), form_(*FindConditionForm(entry_.number)) {}
  const ElementForm& form() const override { return form_; }
  const BlockValues& values() const override { return entry_.values; }
  void setValue(std::string_view element, std::string value) override {
    entry_.values[std::string(element)] = std::move(value);
  }
  std::string description() const override { return ConditionList::Describe(entry_); }
  EditResult accept() override { return CheckForm(form_, entry_.values); }
  const ConditionEntry& entry() const { return entry_; }

 private:
  ConditionEntry entry_;
  const ElementForm& form_;
};

bool RunConditionDialog(HWND owner, Ui& ui, const std::wstring& font, ConditionSubject& subject) {
  FormDialog dialog(ui, font, subject);
  return dialog.runModal(owner) == IDOK;
}

}  // namespace

FormDialog::FormDialog(Ui& ui, std::wstring fontFace, FormSubject& subject)
    : ModalDialog(ui, fontFace), fontFace_(std::move(fontFace)), subject_(subject) {}

winui::DialogTemplate FormDialog::describe(const std::wstring& face, WORD points) {
  const ElementForm& form = subject_.form();
  winui::DialogTemplate dialog(SjisToWide(form.title), kStyle, {0, 0, kWidth, 100}, face, points);
  short y = kMargin;
  constexpr short kInner = kWidth - 2 * kMargin;
  if (!form.hasSettings) {
    const CatalogEntry* entry = FindCatalogEntry(form.tag);
    dialog.label(kFormSummary, entry ? SjisToWide(entry->summary) : L"", {kMargin, y, kInner, 30}, SS_NOPREFIX);
    y = static_cast<short>(y + 36);
  }
  y = LayoutFields(dialog, form, y, kWidth);
  if (subject_.conditions() != nullptr) y = layoutConditionList(dialog, y);
  dialog.label(kFormDescriptionLabel, L"説明", {kMargin, static_cast<short>(y + 2), 40, 10});
  y = static_cast<short>(y + 13);
  dialog.edit(kFormDescription, {kMargin, y, kInner, 34}, ES_MULTILINE | ES_READONLY | WS_VSCROLL);
  y = static_cast<short>(y + 40);
  const short cancelX = kWidth - kMargin - kButtonWidth;
  dialog.button(IDOK, L"OK", {static_cast<short>(cancelX - 5 - kButtonWidth), y, kButtonWidth, kButtonHeight}, true);
  dialog.button(IDCANCEL, L"ｷｬﾝｾﾙ", {cancelX, y, kButtonWidth, kButtonHeight});
  dialog.setHeight(static_cast<short>(y + kButtonHeight + kMargin));
  return dialog;
}

short FormDialog::layoutConditionList(winui::DialogTemplate& dialog, short top) const {
  constexpr short kListWidth = kWidth - 3 * kMargin - 56;
  dialog.add(winui::ControlClass::kListBox, kConditionList, L"",
             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
             {kMargin, top, kListWidth, 64});
  const auto x = static_cast<short>(kMargin + kListWidth + kMargin);
  dialog.button(kConditionAdd, L"追加...", {x, top, 56, kButtonHeight});
  dialog.button(kConditionChange, L"変更...", {x, static_cast<short>(top + 18), 56, kButtonHeight});
  dialog.button(kConditionDelete, L"削除", {x, static_cast<short>(top + 36), 56, kButtonHeight});
  return static_cast<short>(top + 70);
}

void FormDialog::onInit() {
  const ElementForm& form = subject_.form();
  ShowFields(window(), form, subject_.values());
  EnableFields(window(), form, subject_.values());
  if (subject_.conditions() != nullptr) showConditions(0);
  showDescription();
  for (const FormField& field : form.fields) {
    if (IsPathField(field.kind)) DragAcceptFiles(window(), TRUE);
  }
}

bool FormDialog::onCommand(int id, int code, HWND) {
  if (const std::optional<FieldCommand> command = FieldOfCommand(subject_.form(), id, code)) {
    if (command->browse) {
      browse(command->field);
    } else {
      takeFields();
    }
    return true;
  }
  return conditionCommand(id, code);
}

bool FormDialog::onMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
  if (message != WM_DROPFILES) return false;
  takeDrop(reinterpret_cast<HDROP>(wParam));
  result = 0;
  return true;
}

void FormDialog::onOk() {
  takeFields();
  if (!refused(subject_.accept())) end(IDOK);
}

// Every shown field is read again: a multi-line edit does not report a text set from outside.
void FormDialog::takeFields() {
  const ElementForm& form = subject_.form();
  for (std::size_t i = 0; i < form.fields.size(); ++i) {
    if (IsShownField(form.fields[i].kind)) {
      subject_.setValue(form.fields[i].element, ReadField(window(), form, static_cast<int>(i)));
    }
  }
  EnableFields(window(), form, subject_.values());
  showDescription();
}

void FormDialog::browse(int field) {
  const ElementForm& form = subject_.form();
  const std::wstring current = SjisToWide(ReadField(window(), form, field));
  const std::wstring chosen = BrowseForPath(window(), form.fields[static_cast<std::size_t>(field)], current);
  if (!chosen.empty()) WriteFieldText(window(), field, chosen);
}

void FormDialog::showDescription() {
  winui::SetWindowTextSjis(item(kFormDescription), subject_.description());
}

void FormDialog::showConditions(int selected) {
  HWND list = item(kConditionList);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  const ConditionList& conditions = *subject_.conditions();
  for (std::size_t i = 0; i < conditions.entries().size(); ++i) {
    const std::wstring text = SjisToWide(conditions.describe(i));
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  if (selected >= 0 && selected < static_cast<int>(conditions.entries().size())) {
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  }
  showDescription();
}

bool FormDialog::conditionCommand(int id, int code) {
  if (subject_.conditions() == nullptr) return false;
  if (id == kConditionAdd) {
    addCondition();
  } else if (id == kConditionChange || (id == kConditionList && code == LBN_DBLCLK)) {
    changeCondition();
  } else if (id == kConditionDelete) {
    deleteCondition();
  } else {
    return false;
  }
  return true;
}

void FormDialog::addCondition() {
  ConditionList& conditions = *subject_.conditions();
  if (conditions.entries().size() >= kMaxConditions) {
    refused(conditions.add({}));
    return;
  }
  const std::optional<int> kind = RunConditionKindDialog(window(), ui(), fontFace_);
  if (!kind) return;
  ConditionSubject condition({*kind, DefaultValues(*FindConditionForm(*kind))});
  if (!RunConditionDialog(window(), ui(), fontFace_, condition)) return;
  if (!refused(conditions.add(condition.entry()))) showConditions(static_cast<int>(conditions.entries().size()) - 1);
}

void FormDialog::changeCondition() {
  ConditionList& conditions = *subject_.conditions();
  const std::optional<std::size_t> selected = selectedCondition();
  if (!selected) {
    refused(conditions.change(std::nullopt, {}));
    return;
  }
  ConditionSubject condition(conditions.entries()[*selected]);
  if (!RunConditionDialog(window(), ui(), fontFace_, condition)) return;
  if (!refused(conditions.change(selected, condition.entry().values))) showConditions(static_cast<int>(*selected));
}

void FormDialog::deleteCondition() {
  const std::optional<std::size_t> selected = selectedCondition();
  if (!refused(subject_.conditions()->remove(selected))) showConditions(static_cast<int>(selected.value_or(0)));
}

std::optional<std::size_t> FormDialog::selectedCondition() const {
  const LRESULT selected = SendMessageW(item(kConditionList), LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return std::nullopt;
  return static_cast<std::size_t>(selected);
}

void FormDialog::takeDrop(HDROP drop) {
  POINT at{};
  DragQueryPoint(drop, &at);
  std::vector<DroppedItem> items;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
    const DWORD attributes = GetFileAttributesW(path.c_str());
    items.push_back({WideToSjis(path), attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)});
  }
  DragFinish(drop);
  const int field = PathFieldAt(window(), subject_.form(), at);
  if (field < 0) return;
  const DropOutcome outcome = TakeDrop(subject_.form().fields[static_cast<std::size_t>(field)].kind, items);
  if (outcome.accepted) {
    WriteFieldText(window(), field, SjisToWide(outcome.path));
  } else {
    ui().showMessage(outcome.message, MessageIcon::kExclamation);
  }
}

bool FormDialog::refused(const EditResult& result) {
  if (result.ok) return false;
  if (!result.message.empty()) ui().showMessage(result.message, MessageIcon::kExclamation);
  return true;
}

}  // namespace qb
