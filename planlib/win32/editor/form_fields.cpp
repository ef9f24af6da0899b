#include "planlib/win32/editor/form_fields.h"

#include <string>

#include "base/numbers.h"
#include "planlib/editor/block_forms.h"
#include "planlib/win32/editor/editor_dialog_ids.h"
#include "planlib/win32/file_choosers.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/control_text.h"

namespace qb {
namespace {

using namespace editor_dialog_ids;

constexpr short kMargin = 7;
constexpr short kLabelWidth = 96;
constexpr short kRowHeight = 12;
constexpr short kRowGap = 4;
constexpr short kMultilineHeight = 40;
constexpr short kBrowseWidth = 40;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

int LabelId(int field) { return kFieldFirst + field * kFieldStride; }

FileChooser ChooserOf(FieldKind kind) {
  switch (kind) {
    case FieldKind::ApplicationPath:
      return {L"アプリケーションの選択", L"アプリケーション(*.exe)|*.exe|全て(*.*)|*.*||", false};
    case FieldKind::SaveFilePath:
      return {L"ファイル名を付けて保存", L"全て(*.*)|*.*|テキスト(*.txt)|*.txt||", true};
    default:
      return {L"ファイルの選択", L"全て(*.*)|*.*|テキスト(*.txt)|*.txt||", false};
  }
}

void AddControl(winui::DialogTemplate& dialog, const FormField& field, int index, short x, short y,
                short width) {
  const int id = FieldControl(index);
  switch (field.kind) {
    case FieldKind::Choice:
      dialog.add(winui::ControlClass::kComboBox, id, L"", kChild | CBS_DROPDOWNLIST | WS_VSCROLL,
                 {x, y, width, 160});
      return;
    case FieldKind::Check:
      dialog.add(winui::ControlClass::kButton, id, SjisToWide(field.label), kChild | BS_AUTOCHECKBOX,
                 {x, y, width, kRowHeight});
      return;
    case FieldKind::MultilineText:
      dialog.edit(id, {x, y, width, kMultilineHeight},
                  ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL);
      return;
    case FieldKind::Number:
      dialog.edit(id, {x, y, 60, kRowHeight}, field.minimum >= 0 ? ES_NUMBER : 0);
      return;
    default:
      if (IsPathField(field.kind)) {
        const auto editWidth = static_cast<short>(width - kBrowseWidth - 4);
        dialog.edit(id, {x, y, editWidth, kRowHeight}, ES_AUTOHSCROLL);
        dialog.button(FieldBrowse(index), L"参照...",
                      {static_cast<short>(x + editWidth + 4), y, kBrowseWidth, kRowHeight});
        return;
      }
      dialog.edit(id, {x, y, width, kRowHeight}, ES_AUTOHSCROLL);
  }
}

int SelectedCode(HWND list) {
  const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return 0;
  return static_cast<int>(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
}

void FillChoices(HWND list, const FormField& field, const std::string& value) {
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  const int code = ParseLeadingInt(value);
  LRESULT chosen = 0;
  for (const FieldChoice& choice : field.choices) {
    const std::wstring label = SjisToWide(choice.label);
    const LRESULT at = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(at), choice.code);
    if (choice.code == code) chosen = at;
  }
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

std::string ValueOf(const BlockValues& values, std::string_view element) {
  auto found = values.find(element);
  return found == values.end() ? std::string() : found->second;
}

}  // namespace

bool IsShownField(FieldKind kind) {
  return kind != FieldKind::Fixed && kind != FieldKind::Hidden && kind != FieldKind::SameAs;
}

short LayoutFields(winui::DialogTemplate& dialog, const ElementForm& form, short top, short width) {
  short y = top;
  const auto controlX = static_cast<short>(kMargin + kLabelWidth + 4);
  const auto controlWidth = static_cast<short>(width - controlX - kMargin);
  for (std::size_t i = 0; i < form.fields.size(); ++i) {
    const FormField& field = form.fields[i];
    if (!IsShownField(field.kind)) continue;
    const int index = static_cast<int>(i);
    if (field.kind == FieldKind::Check) {
      AddControl(dialog, field, index, kMargin, y, static_cast<short>(width - 2 * kMargin));
    } else {
      dialog.label(LabelId(index), SjisToWide(field.label), {kMargin, static_cast<short>(y + 2), kLabelWidth, 10},
                   SS_NOPREFIX);
      AddControl(dialog, field, index, controlX, y, controlWidth);
    }
    y = static_cast<short>(y + (field.kind == FieldKind::MultilineText ? kMultilineHeight : kRowHeight) + kRowGap);
  }
  return y;
}

void ShowFields(HWND dialog, const ElementForm& form, const BlockValues& values) {
  for (std::size_t i = 0; i < form.fields.size(); ++i) {
    const FormField& field = form.fields[i];
    if (!IsShownField(field.kind)) continue;
    HWND control = GetDlgItem(dialog, FieldControl(static_cast<int>(i)));
    const std::string value = ValueOf(values, field.element);
    if (field.kind == FieldKind::Choice) {
      FillChoices(control, field, value);
    } else if (field.kind == FieldKind::Check) {
      SendMessageW(control, BM_SETCHECK, value == "1" ? BST_CHECKED : BST_UNCHECKED, 0);
    } else {
      winui::SetWindowTextSjis(control, value);
    }
  }
}

void EnableFields(HWND dialog, const ElementForm& form, const BlockValues& values) {
  for (std::size_t i = 0; i < form.fields.size(); ++i) {
    const FormField& field = form.fields[i];
    if (!IsShownField(field.kind)) continue;
    const BOOL active = IsActive(field.activeWhen, values) ? TRUE : FALSE;
    const int index = static_cast<int>(i);
    for (int id : {LabelId(index), FieldControl(index), FieldBrowse(index)}) {
      if (HWND control = GetDlgItem(dialog, id)) EnableWindow(control, active);
    }
  }
}

std::optional<FieldCommand> FieldOfCommand(const ElementForm& form, int id, int code) {
  const int offset = id - kFieldFirst;
  if (offset < 0) return std::nullopt;
  const int field = offset / kFieldStride;
  if (field >= static_cast<int>(form.fields.size())) return std::nullopt;
  const FieldKind kind = form.fields[static_cast<std::size_t>(field)].kind;
  if (offset % kFieldStride == kFieldBrowse && code == BN_CLICKED) return FieldCommand{field, true};
  if (offset % kFieldStride != kFieldControl) return std::nullopt;
  const bool changed = kind == FieldKind::Choice  ? code == CBN_SELCHANGE
                       : kind == FieldKind::Check ? code == BN_CLICKED
                                                  : code == EN_CHANGE;
  if (!changed) return std::nullopt;
  return FieldCommand{field, false};
}

std::string ReadField(HWND dialog, const ElementForm& form, int field) {
  const FormField& described = form.fields[static_cast<std::size_t>(field)];
  HWND control = GetDlgItem(dialog, FieldControl(field));
  if (described.kind == FieldKind::Choice) return std::to_string(SelectedCode(control));
  if (described.kind == FieldKind::Check) {
    return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "1" : "0";
  }
  return winui::WindowTextSjis(control);
}

void WriteFieldText(HWND dialog, int field, const std::wstring& text) {
  SetWindowTextW(GetDlgItem(dialog, FieldControl(field)), text.c_str());
}

std::wstring BrowseForPath(HWND dialog, const FormField& field, const std::wstring& current) {
  if (field.kind == FieldKind::FolderPath) return ChooseFolder(dialog, current, L"フォルダを選択してください。");
  return ChooseFile(dialog, current, ChooserOf(field.kind));
}

int PathFieldAt(HWND dialog, const ElementForm& form, POINT client) {
  for (std::size_t i = 0; i < form.fields.size(); ++i) {
    if (!IsPathField(form.fields[i].kind)) continue;
    HWND control = GetDlgItem(dialog, FieldControl(static_cast<int>(i)));
    RECT area{};
    GetWindowRect(control, &area);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&area), 2);
    if (PtInRect(&area, client)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace qb
