#include "app/win32/dialogs/sysdate_part_menu.h"

#include "app/win32/dialogs/dialog_ids.h"
#include "platform/win32/text_conversion.h"

namespace qb {
namespace {

using namespace dialog_ids;

void AppendCommand(HMENU menu, int command, const wchar_t* text) {
  AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(command), text);
}

}  // namespace

HMENU CreateSysdatePartMenu() {
  HMENU menu = CreatePopupMenu();
  int command = kSysdatePartCommand;
  for (const PartMenu& group : SysdateEditorModel::partMenus()) {
    HMENU submenu = CreatePopupMenu();
    for (const PartMenuEntry& entry : group.entries) {
      AppendCommand(submenu, command++, SjisToWide(entry.label).c_str());
    }
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), SjisToWide(group.name).c_str());
  }
  AppendCommand(menu, kSysdateRemovePart, L"部品の削除");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendCommand(menu, kSysdateUndo, L"元に戻す(&U)");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendCommand(menu, kSysdateCut, L"切り取り(&T)");
  AppendCommand(menu, kSysdateCopy, L"コピー(&C)");
  AppendCommand(menu, kSysdatePaste, L"貼り付け(&P)");
  AppendCommand(menu, kSysdateClear, L"削除(&D)");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendCommand(menu, kSysdateSelectAll, L"すべて選択(&A)");
  return menu;
}

const PartMenuEntry* SysdatePartForCommand(int command) {
  int number = command - kSysdatePartCommand;
  if (number < 0) return nullptr;
  for (const PartMenu& group : SysdateEditorModel::partMenus()) {
    if (number < static_cast<int>(group.entries.size())) return &group.entries[number];
    number -= static_cast<int>(group.entries.size());
  }
  return nullptr;
}

}  // namespace qb
