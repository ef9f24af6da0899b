#include "app/win32/related_tab_view.h"

#include <commdlg.h>
#include <shellapi.h>

#include "app/win32/dialogs/dialogs.h"
#include "base/numbers.h"
#include "winui/popup_menu.h"
#include "platform/win32/text_conversion.h"

namespace qb {

void RelatedTabView::createBar(const TabBarHost& host) {
  owner_ = host.window;
  firstId_ = host.firstId;
  bar_.create(host.window, host.font,
              {winui::BarControl::ComboBox(id(kFiles), 180),
               winui::BarControl::Button("並替▼", id(kSort), 50),
               winui::BarControl::Button("関連付け▼", id(kLink), 70),
               winui::BarControl::Button("説明", id(kExplain), 40)});
}

void RelatedTabView::showBar(bool shown) {
  bar_.show(shown);
  if (shown) ShowWindow(bar_.control(id(kExplain)), parts_.tab.explanation().empty() ? SW_HIDE : SW_SHOW);
}

void RelatedTabView::onShown() {
  if (!started_) {  // the linked file is read when the tab is first shown
    started_ = true;
    parts_.tab.start();
    parts_.refresh();
  }
  bar_.setItems(id(kFiles), parts_.tab.comboEntries(), parts_.tab.comboSelection());
  ListView_SetColumnWidth(parts_.listView.handle(), 0, parts_.tab.labelWidth());
}

void RelatedTabView::keepLabelWidth() {
  parts_.tab.setLabelWidth(ListView_GetColumnWidth(parts_.listView.handle(), 0));
}

void RelatedTabView::showChanges() {
  onShown();
  parts_.refresh();
}

void RelatedTabView::onCommand(int controlId, int code) {
  RelatedTab& tab = parts_.tab;
  const RECT button = bar_.screenRect(controlId);
  const POINT below{button.left, button.bottom};
  switch (controlId - firstId_) {
    case kFiles:
      if (code != CBN_SELCHANGE) return;
      keepLabelWidth();
      tab.chooseComboEntry(bar_.selectedItem(id(kFiles)));
      break;
    case kSort: tab.sortBy(winui::TrackMenu(owner_, tab.sortMenu(), below)); break;
    case kLink:
      keepLabelWidth();
      tab.runLinkCommand(winui::TrackMenu(owner_, tab.linkMenu(), below));
      break;
    case kExplain: parts_.ui.showMessage(tab.explanation(), MessageIcon::kInformation); return;
    default: return;
  }
  showChanges();
}

void RelatedTabView::activateRow(int row) {
  parts_.tab.activate(row);
  parts_.refresh();
}

void RelatedTabView::showContextMenu(int row, POINT where) {
  // On a row the row's menu; on the empty area "関連付け用".
  MenuModel menu = row >= 0 ? parts_.tab.menu(parts_.menuContext()) : parts_.tab.linkMenu();
  const int command = winui::TrackMenu(owner_, menu, where);
  if (command == 0) return;
  if (row >= 0) {
    parts_.tab.runMenuCommand(row, command);
  } else {
    keepLabelWidth();
    parts_.tab.runLinkCommand(command);
  }
  showChanges();
}

void RelatedTabView::onFilesDropped(const std::vector<std::string>& paths) {
  keepLabelWidth();
  parts_.tab.dropFiles(paths);
  showChanges();
}

TabStatus RelatedTabView::status() {
  CRelatedList& lines = parts_.tab.list();
  TabStatus status{lines.rowCount(), kRelatedMaximumLines, std::nullopt};
  if (const int row = lines.selectedRow(); row >= 0) {
    status.selectedBytes =
        static_cast<std::size_t>(ParseLeadingInt(lines.text(row, related_column::kSize)));
  }
  return status;
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
