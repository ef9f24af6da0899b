// The settings of the environment settings file "quillbox2.dat": one field per key, named after
// the key without its "=" (and, for a family, without its index). The key table
// (environment_keys.cpp) gives every key's default, comment and limit.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "app/settings/settings_version.h"

namespace qb {

struct EnvironmentSettings {
  std::string VL;
  double SCREEN_X = 0.0;
  double SCREEN_Y = 0.0;
  std::int32_t HOTKEY_ON = 0;
  std::int32_t HOTKEY0 = 0;
  std::int32_t HOTKEY1 = 0;
  std::int32_t HOTKEY2 = 0;
  std::int32_t HOTKEY3 = 0;
  std::int32_t SHORTCUTKEY0 = 0;
  std::int32_t SHORTCUTKEY1 = 0;
  std::int32_t SHORTCUTKEY2 = 0;
  std::int32_t SHORTCUTKEY3 = 0;
  std::int32_t SHORTCUTKEY4 = 0;
  std::int32_t SHORTCUTKEY5 = 0;
  std::int32_t SHORTCUTKEY6 = 0;
  std::int32_t SHORTCUTKEY7 = 0;
  std::int32_t SHORTCUTKEY8 = 0;
  std::int32_t DIRECT_SEND = 0;
  std::int32_t END_MSG = 0;
  std::int32_t WIN_SIZE_T = 0;
  std::int32_t WIN_SIZE_L = 0;
  std::int32_t WIN_SIZE_H = 0;
  std::int32_t WIN_SIZE_W = 0;
  std::int32_t WIN2_SIZE_W_100 = 0;
  std::int32_t WIN2_SIZE_H_100 = 0;
  std::int32_t WIN3_SIZE_W_100 = 0;
  std::int32_t WIN3_SIZE_H_100 = 0;
  std::int32_t MaxFile = 0;
  std::int32_t OneClickFlg = 0;
  std::array<std::string, 10> CLIPDIR_AR{};
  std::int32_t CLIPDIR_IDX = 0;
  std::int32_t Tray_Flg = 0;
  std::int32_t Wareki_Base = 0;
  std::int32_t Hozon_Del_Flg = 0;
  std::int32_t Rireki_All_Flg = 0;
  std::int32_t Layered_SelectWin_Flg = 0;
  std::int32_t Layered_SelectWin_Alpha = 0;
  std::int32_t WinVer = 0;
  std::int32_t WinVerMinor = 0;
  std::int32_t AutoDspWin_HotKey = 0;
  std::int32_t AutoDspWin_HotKey_Bs = 0;
  std::int32_t AutoDspWin_CallWin = 0;
  std::int32_t Open_Enable = 0;
  std::array<std::string, 10> Open_Group{};
  std::int32_t Open_Group_Cnt = 0;
  std::int32_t Open_Group_Idx = 0;
  std::string MyIp;
  std::int32_t Lan_Port = 0;
  std::int32_t Lan_UserPort = 0;
  std::int32_t Lan_Port_Flg = 0;
  std::string Open_MyName;
  std::int32_t Tab_No = 0;
  std::array<std::int32_t, 10> Hozon_Label_Width{};
  std::int32_t Open_Name_Width = 0;
  std::int32_t OpenSave = 0;
  std::int32_t AutoSave = 0;
  std::int32_t MousePopUp = 0;
  std::int32_t PopUpKey = 0;
  std::int32_t RirekiStop = 0;
  std::int32_t NewOnly = 0;
  std::int32_t FileGetSelectDsp = 0;
  std::int32_t TabColorTextMake1 = 0;
  std::int32_t TabColorBackMake1 = 0;
  std::int32_t TabColorTextMake2 = 0;
  std::int32_t TabColorBackMake2 = 0;
  std::int32_t TabColorTextMake3 = 0;
  std::int32_t TabColorBackMake3 = 0;
  std::int32_t TabColorTextRi = 0;
  std::int32_t TabColorBackRi = 0;
  std::int32_t TabColorTextHz = 0;
  std::int32_t TabColorBackHz = 0;
  std::array<std::int32_t, 7> TabColorTextKf{};
  std::array<std::int32_t, 7> TabColorBackKf{};
  std::int32_t TabColorTextOp = 0;
  std::int32_t TabColorBackOp = 0;
  std::int32_t TabColorTextCm = 0;
  std::int32_t TabColorBackCm = 0;
  std::int32_t TabColorTextCmCash = 0;
  std::int32_t TabColorBackCmCash = 0;
  std::int32_t TabColorTextCmLan = 0;
  std::int32_t TabColorBackCmLan = 0;
  std::array<std::int32_t, 10> TabColorTextHGp{};
  std::array<std::int32_t, 10> TabColorBackHGp{};
  std::int32_t InPrecisionFlg = 0;
  std::int32_t MouseMidFlg = 0;
  std::int32_t MouseMidKey = 0;
  std::int32_t StatusBarActiveWinDspFlg = 0;
  std::string FontName;
  std::int32_t KaigyoTabDsp = 0;
  std::int32_t TabHelpDsp = 0;
  std::array<std::int32_t, 5> MultiHotKeyOn{};
  std::array<std::int32_t, 5> MultiHotKey1{};
  std::array<std::int32_t, 5> MultiHotKey2{};
  std::array<std::int32_t, 5> MultiHotKey3{};
  std::array<std::int32_t, 5> MultiHotKey4{};
  std::array<std::int32_t, 5> MultiHotKeyTabKind{};
  std::array<std::int32_t, 5> MultiHotKeyTabKindNo{};
  std::array<std::int32_t, 5> MultiHotKeyGroup{};
  std::array<std::int32_t, 5> MultiHotKeyWinRen{};
  std::int32_t OthersTabGet = 0;
  std::int32_t TabColorHGpFlg = 0;
  std::int32_t TrayIcomAnimeFlg = 0;
  std::int32_t Common_Enable = 0;
  std::array<std::string, 10> Common_Pass{};
  std::array<std::int32_t, 10> Common_CashDirNo{};
  std::int32_t Common_Idx = 0;
  std::int32_t Common_Cnt = 0;
  std::array<std::int32_t, 10> Common_Label_Width{};
  std::string CommMyIp;
  std::int32_t CommLan_Port = 0;
  std::int32_t CommLan_UserPort = 0;
  std::int32_t CommLan_Port_Flg = 0;
  std::int32_t CommCashRetrai_Flg = 0;
  std::int32_t RirekiBubunGet = 0;
  std::int32_t RirekiTopMove = 0;
  std::int32_t RirekiDuplicate = 0;
  std::int32_t DispOnly = 0;
  std::int32_t DispOnlyHotKey = 0;
  std::int32_t DispOnlyMouse = 0;
  std::array<std::string, 10> DisabledAp{};
  std::int32_t Plan_Enable = 0;
  std::array<std::string, 10> PlanDir_Ar{};
  std::int32_t PlanDir_Idx = 0;
  std::int32_t TabColorPGpFlg = 0;
  std::int32_t TabColorTextPn = 0;
  std::int32_t TabColorBackPn = 0;
  std::array<std::int32_t, 10> TabColorTextPGp{};
  std::array<std::int32_t, 10> TabColorBackPGp{};
  std::int32_t Stack_Enable = 0;
  std::array<std::string, 10> StackDir_Ar{};
  std::int32_t StackDir_Idx = 0;
  std::int32_t TabColorSGpFlg = 0;
  std::int32_t TabColorTextSk = 0;
  std::int32_t TabColorBackSk = 0;
  std::array<std::int32_t, 10> TabColorTextSGp{};
  std::array<std::int32_t, 10> TabColorBackSGp{};
  std::int32_t PlanMaxDspFlg = 0;
  std::int32_t RirekiGetPlanFlg = 0;
  std::string RirekiGetPlanName;
  std::int32_t StackHistNotFlg = 0;
  std::int32_t MouseEdgeLeft = 0;
  std::int32_t MouseEdgeRight = 0;
  std::int32_t OpenBroadCastFlg = 0;
  std::int32_t LRKeyGroupChange = 0;
  std::array<std::string, 10> OpenSameIP{};
  std::array<std::int32_t, 10> OpenSameHistFlg{};
  std::int32_t SHORTCUTKEY9 = 0;
  std::int32_t SHORTCUTKEY10 = 0;
  std::int32_t NoActClose = 0;
  std::int32_t OpenNullNoGet = 0;
  std::int32_t PlanMenu = 0;
  std::int32_t PlanMenuNowGroup = 0;
  std::int32_t PasteWait = 0;
  std::int32_t PasteRefoFlg = 0;
  // 1: every Windows user of the machine shares the data home of "QuillBoxCommonUser".
  std::int32_t CommonUserFlg = 0;

  VersionState version;
};

}  // namespace qb
