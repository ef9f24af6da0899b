#include "settings/win32/settings_sheet_view.h"

#include <commctrl.h>
#include <commdlg.h>

#include <memory>
#include <vector>

#include "platform/win32/text_conversion.h"
#include "winui/dialogs/dialog_font.h"
#include "winui/dialogs/dialog_template.h"

namespace qb {
namespace {

using winui::ControlClass;
using winui::DialogRect;
using Kind = SheetControlKind;

constexpr wchar_t kSheetCaption[] = L"Quillbox＜環境設定＞";
constexpr short kPageWidth = 360;
constexpr short kPageHeight = 236;
constexpr short kRowHeight = 13;
constexpr int kRowsPerColumn = 17;
constexpr int kFirstControlId = 1000;
constexpr std::int32_t kNoColour = 20000000;

// Control ids of the n-th control of a page: its label, its field, its colour button.
int LabelId(int index) { return kFirstControlId + 4 * index; }
int FieldId(int index) { return LabelId(index) + 1; }
int ColourButtonId(int index) { return LabelId(index) + 2; }

struct SheetState;

struct PageContext {
  SheetState* sheet = nullptr;
  int index = 0;
  std::unique_ptr<winui::DialogTemplate> dialog;
  std::wstring title;
  HWND window = nullptr;
  HWND tips = nullptr;
  std::vector<std::wstring> helpTexts;
};

struct SheetState {
  SettingsSheetModel& model;
  const SheetCommands& commands;
  std::vector<PageContext> pages;
  int created = 0;
  int applied = 0;
  bool accepted = false;
};

const SheetPage& PageOf(const PageContext& context) { return SettingsSheetPages()[context.index]; }

// The controls of one page, in columns of at most 17 rows.
std::unique_ptr<winui::DialogTemplate> DescribePage(const SheetPage& page, const std::wstring& face) {
  auto dialog = std::make_unique<winui::DialogTemplate>(
      SjisToWide(page.title), WS_CHILD | WS_DISABLED | WS_CAPTION | DS_3DLOOK,
      DialogRect{0, 0, kPageWidth, kPageHeight}, face, winui::kDialogFontPoints);
  const int count = static_cast<int>(page.controls.size());
  const int columns = (count + kRowsPerColumn - 1) / kRowsPerColumn;
  const short columnWidth = static_cast<short>((kPageWidth - 8) / std::max(columns, 1));
  for (int i = 0; i < count; ++i) {
    const SheetControl& control = page.controls[static_cast<std::size_t>(i)];
    const short x = static_cast<short>(4 + (i / kRowsPerColumn) * columnWidth);
    const short y = static_cast<short>(6 + (i % kRowsPerColumn) * kRowHeight);
    const short width = static_cast<short>(columnWidth - 4);
    const short labelWidth = static_cast<short>(width * 11 / 20);
    const short fieldX = static_cast<short>(x + labelWidth);
    const short fieldWidth = static_cast<short>(width - labelWidth);
    const std::wstring caption = SjisToWide(control.caption);
    switch (control.kind) {
      case Kind::kCheck:
        dialog->add(ControlClass::kButton, FieldId(i), caption,
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, {x, y, width, 10});
        break;
      case Kind::kButton:
        dialog->add(ControlClass::kButton, FieldId(i), caption,
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, {x, y, width, 12});
        break;
      case Kind::kNumber:
      case Kind::kText:
      case Kind::kColour: {
        dialog->label(LabelId(i), caption, {x, static_cast<short>(y + 2), labelWidth, 8});
        const bool colour = control.kind == Kind::kColour;
        const DWORD number = control.kind == Kind::kText ? 0 : ES_NUMBER;
        dialog->add(ControlClass::kEdit, FieldId(i), L"",
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | number,
                    {fieldX, y, static_cast<short>(fieldWidth - (colour ? 16 : 0)), 11});
        if (colour) {
          dialog->add(ControlClass::kButton, ColourButtonId(i), L"...",
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                      {static_cast<short>(fieldX + fieldWidth - 14), y, 14, 11});
        }
        break;
      }
      case Kind::kChoice:
        dialog->label(LabelId(i), caption, {x, static_cast<short>(y + 2), labelWidth, 8});
        dialog->add(ControlClass::kComboBox, FieldId(i), L"",
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                    {fieldX, y, fieldWidth, 120});
        break;
    }
  }
  return dialog;
}

void AddTips(PageContext& context) {
  context.tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 0, 0, 0, 0, context.window, nullptr, nullptr, nullptr);
  SendMessageW(context.tips, TTM_SETMAXTIPWIDTH, 0, 360);
  const SheetPage& page = PageOf(context);
  context.helpTexts.reserve(page.controls.size());
  for (std::size_t i = 0; i < page.controls.size(); ++i) {
    context.helpTexts.push_back(SjisToWide(page.controls[i].help));
    for (int id : {LabelId(static_cast<int>(i)), FieldId(static_cast<int>(i))}) {
      HWND control = GetDlgItem(context.window, id);
      if (!control) continue;
      TOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = context.window;
      tool.uId = reinterpret_cast<UINT_PTR>(control);
      tool.lpszText = context.helpTexts.back().data();
      SendMessageW(context.tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
}

std::wstring FieldText(HWND window, int id) {
  HWND field = GetDlgItem(window, id);
  const int length = GetWindowTextLengthW(field);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(field, text.data(), length + 1)));
  return text;
}

void FillPage(const PageContext& context) {
  const SettingsSheetModel& model = context.sheet->model;
  const SheetPage& page = PageOf(context);
  for (std::size_t i = 0; i < page.controls.size(); ++i) {
    const SheetControl& control = page.controls[i];
    const int id = FieldId(static_cast<int>(i));
    if (control.kind == Kind::kButton) {
      EnableWindow(GetDlgItem(context.window, id),
                   context.sheet->commands.offered && context.sheet->commands.offered(control.command));
      continue;
    }
    const std::string value = control.key.empty() ? std::string() : model.text(control.file, control.key);
    switch (control.kind) {
      case Kind::kCheck:
        CheckDlgButton(context.window, id, value == "1" ? BST_CHECKED : BST_UNCHECKED);
        break;
      case Kind::kColour:
        SetDlgItemTextW(context.window, id,
                        value == std::to_string(kNoColour) ? L"" : SjisToWide(value).c_str());
        break;
      case Kind::kChoice: {
        HWND combo = GetDlgItem(context.window, id);
        SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (std::size_t c = 0; c < control.choices.size(); ++c) {
          SendMessageW(combo, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(SjisToWide(control.choices[c].caption).c_str()));
          if (std::to_string(control.choices[c].value) == value) {
            SendMessageW(combo, CB_SETCURSEL, c, 0);
          }
        }
        break;
      }
      default:
        SetDlgItemTextW(context.window, id, SjisToWide(value).c_str());
        break;
    }
  }
}

void TakePage(const PageContext& context) {
  SettingsSheetModel& model = context.sheet->model;
  const SheetPage& page = PageOf(context);
  for (std::size_t i = 0; i < page.controls.size(); ++i) {
    const SheetControl& control = page.controls[i];
    const int id = FieldId(static_cast<int>(i));
    switch (control.kind) {
      case Kind::kButton:
        break;
      case Kind::kCheck:
        model.setText(control.file, control.key,
                      IsDlgButtonChecked(context.window, id) == BST_CHECKED ? "1" : "0");
        break;
      case Kind::kChoice: {
        const LRESULT chosen = SendDlgItemMessageW(context.window, id, CB_GETCURSEL, 0, 0);
        if (chosen >= 0 && static_cast<std::size_t>(chosen) < control.choices.size()) {
          model.setText(control.file, control.key,
                        std::to_string(control.choices[static_cast<std::size_t>(chosen)].value));
        }
        break;
      }
      case Kind::kColour: {
        const std::wstring text = FieldText(context.window, id);
        model.setText(control.file, control.key,
                      text.empty() ? std::to_string(kNoColour) : WideToSjis(text));
        break;
      }
      default:
        model.setText(control.file, control.key, WideToSjis(FieldText(context.window, id)));
        break;
    }
  }
}

void ChooseColour(const PageContext& context, int index) {
  static COLORREF custom[16] = {};
  const std::wstring current = FieldText(context.window, FieldId(index));
  CHOOSECOLORW choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = context.window;
  choice.rgbResult = current.empty() ? RGB(255, 255, 255) : static_cast<COLORREF>(_wtoi(current.c_str()));
  choice.lpCustColors = custom;
  choice.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (ChooseColorW(&choice)) {
    SetDlgItemTextW(context.window, FieldId(index), std::to_wstring(choice.rgbResult).c_str());
  }
}

void OnPageCommand(PageContext& context, int id) {
  const int index = (id - kFirstControlId) / 4;
  const SheetPage& page = PageOf(context);
  if (index < 0 || index >= static_cast<int>(page.controls.size())) return;
  const SheetControl& control = page.controls[static_cast<std::size_t>(index)];
  if (id == ColourButtonId(index) && control.kind == Kind::kColour) ChooseColour(context, index);
  if (id == FieldId(index) && control.kind == Kind::kButton) {
    TakePage(context);
    context.sheet->commands.run(control.command, context.sheet->model, GetParent(context.window));
    FillPage(context);
  }
}

// OK reaches every page that was shown; after the last one the model checks all pages.
LRESULT OnApply(PageContext& context) {
  SheetState& sheet = *context.sheet;
  TakePage(context);
  if (++sheet.applied < sheet.created) return PSNRET_NOERROR;
  sheet.applied = 0;
  const int refused = sheet.model.validate();
  // The checks may have corrected values (commas removed): the pages show what will be kept.
  for (const PageContext& page : sheet.pages) {
    if (page.window) FillPage(page);
  }
  if (refused < 0) {
    sheet.accepted = true;
    return PSNRET_NOERROR;
  }
  PropSheet_SetCurSel(GetParent(context.window), nullptr, refused);
  return PSNRET_INVALID_NOCHANGEPAGE;
}

INT_PTR CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* context = reinterpret_cast<PageContext*>(reinterpret_cast<PROPSHEETPAGEW*>(lParam)->lParam);
    SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(context));
    context->window = window;
    ++context->sheet->created;
    FillPage(*context);
    AddTips(*context);
    return TRUE;
  }
  auto* context = reinterpret_cast<PageContext*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!context) return FALSE;
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    OnPageCommand(*context, LOWORD(wParam));
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (header.code == PSN_KILLACTIVE) {
      TakePage(*context);
      SetWindowLongPtrW(window, DWLP_MSGRESULT, FALSE);
      return TRUE;
    }
    if (header.code == PSN_APPLY) {
      SetWindowLongPtrW(window, DWLP_MSGRESULT, OnApply(*context));
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

bool RunSettingsSheet(HWND owner, Ui& ui, const std::wstring& font, SettingsSheetModel& model,
                      const SheetCommands& commands, int firstPage) {
  const std::wstring face = winui::ResolveDialogFontFace(font);
  SheetState sheet{model, commands, {}};
  const auto& pages = SettingsSheetPages();
  sheet.pages.resize(pages.size());
  std::vector<PROPSHEETPAGEW> sheetPages(pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    PageContext& context = sheet.pages[i];
    context.sheet = &sheet;
    context.index = static_cast<int>(i);
    context.dialog = DescribePage(pages[i], face);
    context.title = SjisToWide(pages[i].title);
    PROPSHEETPAGEW& page = sheetPages[i];
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    page.pResource = context.dialog->get();
    page.pszTitle = context.title.c_str();
    page.pfnDlgProc = PageProcedure;
    page.lParam = reinterpret_cast<LPARAM>(&context);
  }
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP;
  header.hwndParent = owner;
  header.pszCaption = kSheetCaption;
  header.nPages = static_cast<UINT>(sheetPages.size());
  header.nStartPage = static_cast<UINT>(firstPage);
  header.ppsp = sheetPages.data();
  Ui::BusyScope busy(ui);
  PropertySheetW(&header);
  return sheet.accepted;
}

}  // namespace qb
