#include "app/win32/related_tab_view.h"

#include <commdlg.h>
#include <shellapi.h>

#include "app/win32/dialogs/dialogs.h"
#include "app/win32/tab_view_ids.h"
#include "platform/win32/text_conversion.h"

namespace qb {

bool RelatedTabView::create(HINSTANCE instance, HWND parent, HFONT font) {
  if (!createPanel(instance, parent, kRelatedViewFirstId + parts_.tab.tab(), font, kRelatedComboId,
                   180, {{kRelatedSortButtonId, "並替▼", 50}, {kRelatedLinkButtonId, "関連付け▼", 70}},
                   kRelatedListId, kRelatedExplanationId)) {
    return false;
  }
  list().show(&parts_.tab.list());
  refresh();
  return true;
}

void RelatedTabView::refresh() {
  RelatedTab& tab = parts_.tab;
  setComboEntries(tab.comboEntries(), tab.comboSelection());
  list().refresh();
  showLook(tab.colors(), tab.labelWidth(), tab.explanation());
}

void RelatedTabView::keepLabelWidth() { parts_.tab.setLabelWidth(labelColumnWidth()); }

void RelatedTabView::onBarCommand(int id, int code) {
  RelatedTab& tab = parts_.tab;
  switch (id) {
    case kRelatedComboId:
      if (code != CBN_SELCHANGE) return;
      keepLabelWidth();
      tab.chooseComboEntry(static_cast<int>(SendDlgItemMessageW(handle(), id, CB_GETCURSEL, 0, 0)));
      break;
    case kRelatedSortButtonId: tab.sortBy(trackMenu(tab.sortMenu(), belowButton(id))); break;
    case kRelatedLinkButtonId:
      keepLabelWidth();
      tab.runLinkCommand(trackMenu(tab.linkMenu(), belowButton(id)));
      break;
    default: return;
  }
  refresh();
}

void RelatedTabView::onRowActivated(int row) {
  parts_.tab.activate(row);
  refresh();
}

void RelatedTabView::onRowMenu(int row, POINT where) {
  const int command = trackMenu(parts_.tab.menu(parts_.menuContext()), where);
  if (command != 0) parts_.tab.runMenuCommand(row, command);
  refresh();
}

void RelatedTabView::onFilesDropped(const std::vector<std::string>& paths) {
  keepLabelWidth();
  parts_.tab.dropFiles(paths);
  refresh();
}

namespace {

// "テキスト(*.txt)|*.txt|全て(*.*)|*.*||" as the file dialog takes it: pieces ended by zeros.
std::wstring FilterOf(std::string_view filter) {
  std::wstring pieces = SjisToWide(filter);
  for (wchar_t& c : pieces) {
    if (c == L'|') c = L'\0';
  }
  return pieces;
}

}  // namespace

std::optional<std::string> Win32RelatedTabHost::chooseFile(std::string_view caption,
                                                           std::string_view filter,
                                                           std::string_view initialFolder) {
  std::wstring file(32768, L'\0');
  const std::wstring title = SjisToWide(caption);
  const std::wstring filters = FilterOf(filter);
  const std::wstring folder = SjisToWide(initialFolder);
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner_;
  request.lpstrFilter = filters.c_str();
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrTitle = title.c_str();
  request.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&request)) return std::nullopt;
  file.resize(wcslen(file.c_str()));
  std::optional<std::string> path = WideToSjisExact(file);
  if (!path) ui_.showMessage("ファイル名に扱えない文字が含まれています", MessageIcon::kExclamation);
  return path;
}

int Win32RelatedTabHost::openWithShell(std::string_view file, std::string_view parameters) {
  const std::wstring wideFile = SjisToWide(file);
  const std::wstring wideParameters = SjisToWide(parameters);
  const HINSTANCE result =
      ShellExecuteW(owner_, L"open", wideFile.c_str(),
                    wideParameters.empty() ? nullptr : wideParameters.c_str(), nullptr, SW_SHOWNORMAL);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

void Win32RelatedTabHost::showContent(const std::string& value) {
  RunContentViewDialog(owner_, ui_, font_, "内容確認", value);
}

}  // namespace qb
