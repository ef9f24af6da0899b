// "公開の情報／エラー情報" and "共有の情報／エラー情報": the link's socket state, its own address
// and port (and publish group), the receive and send logs, and what must match the other side.
#include <windows.h>

#include <commctrl.h>

#include "app/win32/dialogs/dialog_buttons.h"
#include "app/win32/dialogs/lan_dialogs.h"
#include "platform/win32/text_conversion.h"
#include "winui/dialogs/modal_dialog.h"

namespace qb {
namespace {

using namespace lan_dialog_ids;

constexpr short kWidth = 390;

void FillLog(HWND list, const std::vector<LinkStatusColumn>& columns,
             const std::vector<LinkStatusRow>& rows) {
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    std::wstring title = SjisToWide(columns[i].title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = columns[i].width;
    column.pszText = title.data();
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::string* cells[] = {&rows[r].time, &rows[r].detail, &rows[r].description};
    for (int c = 0; c < 3; ++c) {
      std::wstring text = SjisToWide(*cells[c]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(r);
      item.iSubItem = c;
      item.pszText = text.data();
      SendMessageW(list, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&item));
    }
  }
}

class LinkStatusDialog : public winui::ModalDialog {
 public:
  LinkStatusDialog(Ui& ui, const std::wstring& font, const LinkStatusModel& model)
      : ModalDialog(ui, font), model_(model) {}

 protected:
  winui::DialogTemplate describe(const std::wstring& face, WORD points) override {
    winui::DialogTemplate dialog(SjisToWide(model_.caption), kDialogStyle, {0, 0, kWidth, 318}, face, points);
    dialog.label(0, L"ソケットの状態：", {7, 8, 70, 10});
    dialog.label(kStatusState, L"", {80, 8, 300, 10});
    dialog.label(0, L"IPアドレス：", {7, 21, 70, 10});
    dialog.label(kStatusAddress, L"", {80, 21, 90, 10});
    dialog.label(kStatusCondition, L"", {175, 21, 208, 10});
    dialog.label(0, L"ポート番号：", {7, 34, 70, 10});
    dialog.label(kStatusPort, L"", {80, 34, 90, 10});
    dialog.label(kStatusGroup + 100, L"公開グループ：", {7, 47, 70, 10});
    dialog.label(kStatusGroup, L"", {80, 47, 300, 10});
    DWORD listStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_NOSORTHEADER | LVS_SINGLESEL;
    dialog.label(0, L"受信", {7, 62, 100, 10});
    dialog.add(WC_LISTVIEWW, kStatusReceive, L"", listStyle, {7, 73, 376, 88}, WS_EX_CLIENTEDGE);
    dialog.label(0, L"送信・共通", {7, 166, 100, 10});
    dialog.add(WC_LISTVIEWW, kStatusSend, L"", listStyle, {7, 177, 376, 88}, WS_EX_CLIENTEDGE);
    dialog.label(kStatusNote, L"", {7, 270, 376, 20});
    dialog.button(IDOK, L"閉じる", {static_cast<short>(kWidth - 57), 297, 50, 14}, true);
    return dialog;
  }

  void onInit() override {
    auto set = [&](int id, const std::string& text) {
      SetDlgItemTextW(window(), id, SjisToWide(text).c_str());
    };
    set(kStatusState, model_.socketState);
    set(kStatusAddress, model_.ownAddress);
    set(kStatusPort, model_.port);
    set(kStatusGroup, model_.group);
    if (!model_.showsGroup) {
      ShowWindow(item(kStatusGroup), SW_HIDE);
      ShowWindow(item(kStatusGroup + 100), SW_HIDE);
    }
    set(kStatusCondition, model_.condition);
    set(kStatusNote, model_.note);
    FillLog(item(kStatusReceive), model_.columns, model_.receiveRows);
    FillLog(item(kStatusSend), model_.columns, model_.sendRows);
    focusItem(IDOK);
  }

 private:
  const LinkStatusModel& model_;
};

}  // namespace

void RunLinkStatusDialog(HWND owner, Ui& ui, const std::wstring& font, const LinkStatusModel& model) {
  LinkStatusDialog dialog(ui, font, model);
  dialog.runModal(owner);
}

}  // namespace qb
