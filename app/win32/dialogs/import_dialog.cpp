// The import of a file: what to take from it (name, full path or contents) and the file, typed
// or chosen with "参照...". OK needs an existing file whose path code page 932 can hold.
#include <windows.h>

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>

#include "app/win32/dialogs/dialog_buttons.h"
#include "app/win32/dialogs/dialog_ids.h"
#include "app/win32/dialogs/dialogs.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/control_text.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

using namespace dialog_ids;

constexpr short kWidth = 260;

// Spaces around the path and the quotes of a copied path are not part of it.
std::wstring TrimmedPath(std::wstring path) {
  const auto first = path.find_first_not_of(L" \t\"");
  if (first == std::wstring::npos) return std::wstring();
  const auto last = path.find_last_not_of(L" \t\"");
  return path.substr(first, last - first + 1);
}

class ImportDialog : public winui::ModalDialog {
 public:
  ImportDialog(Ui& ui, const std::wstring& font, std::string path)
      : ModalDialog(ui, font), path_(std::move(path)) {}

  const std::optional<ImportChoice>& choice() const { return choice_; }

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    winui::DialogTemplate dialog(L"ファイルの取り込み", kDialogStyle, {0, 0, kWidth, 110}, face, points);
    dialog.radio(kImportFileName, L"ファイル名の取り込み", {14, 8, 200, 10}, true);
    dialog.radio(kImportFullPath, L"フルパスの取り込み", {14, 22, 200, 10}, false);
    dialog.radio(kImportContents, L"ファイル内容の取り込み", {14, 36, 200, 10}, false);
    dialog.label(kImportPathLabel, L"ファイル：", {7, 55, 100, 10});
    dialog.edit(kImportPath, {7, 67, 190, 12});
    dialog.button(kImportBrowse, L"参照...", {202, 66, 51, 14});
    AddOkCancelButtons(dialog, kWidth, 89);
    return dialog;
  }

  void onInit() override {
    CheckRadioButton(window(), kImportFileName, kImportContents, kImportFileName);
    SetDlgItemTextW(window(), kImportPath, SjisToWide(path_).c_str());
    focusItem(kImportPath);
  }

  bool onCommand(int id, int, HWND) override {
    if (id != kImportBrowse) return false;
    browse();
    return true;
  }

  void onOk() override {
    const std::wstring path = TrimmedPath(winui::WindowTextOf(item(kImportPath)));
    if (path.empty()) {
      refuse("取り込むファイルを指定してください", MessageIcon::kInformation);
      return;
    }
    const std::optional<std::string> sjisPath = WideToSjisExact(path);
    if (!sjisPath) {
      refuse("ファイル名に扱えない文字が含まれています", MessageIcon::kExclamation);
      return;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      refuse("指定されたファイルが見つかりません", MessageIcon::kExclamation);
      return;
    }
    choice_ = ImportChoice{checkedKind(), *sjisPath};
    end(IDOK);
  }

 private:
  ImportKind checkedKind() const {
    if (IsDlgButtonChecked(window(), kImportFullPath) == BST_CHECKED) return ImportKind::kFullPath;
    if (IsDlgButtonChecked(window(), kImportContents) == BST_CHECKED) return ImportKind::kContents;
    return ImportKind::kFileName;
  }

  void refuse(const char* message, MessageIcon icon) {
    ui().showMessage(message, icon);
    focusItem(kImportPath);
  }

  void browse() {
    std::wstring file(32768, L'\0');
    const std::wstring typed = TrimmedPath(winui::WindowTextOf(item(kImportPath)));
    typed.copy(file.data(), std::min(typed.size(), file.size() - 1));
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = window();
    request.lpstrFilter = L"すべてのファイル (*.*)\0*.*\0";
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&request)) {
      if (CommDlgExtendedError() != FNERR_INVALIDFILENAME) return;
      std::fill(file.begin(), file.end(), L'\0');  // the typed text is no file name: start empty
      if (!GetOpenFileNameW(&request)) return;
    }
    SetDlgItemTextW(window(), kImportPath, file.c_str());
  }

  std::string path_;
  std::optional<ImportChoice> choice_;
};

}  // namespace

std::optional<ImportChoice> RunImportDialog(HWND owner, Ui& ui, const std::wstring& font,
                                            const std::string& path) {
  ImportDialog dialog(ui, font, path);
  if (dialog.runModal(owner) != IDOK) return std::nullopt;
  return dialog.choice();
}

}  // namespace qb
