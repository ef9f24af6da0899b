// The dialog windows of the Open and Shared tabs: the status of a link, the new publish group's
// name, a shared item's label and value, and the folder chooser.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "lan/link_status.h"
#include "lan/publish_group_name.h"
#include "lan/shared_tab.h"
#include "platform/ui.h"

namespace qb {

namespace lan_dialog_ids {
// The status of a link.
inline constexpr int kStatusState = 2000;
inline constexpr int kStatusAddress = 2001;
inline constexpr int kStatusPort = 2002;
inline constexpr int kStatusGroup = 2003;
inline constexpr int kStatusReceive = 2004;  // list of the receive log
inline constexpr int kStatusSend = 2005;     // list of the send log
inline constexpr int kStatusCondition = 2006;
inline constexpr int kStatusNote = 2007;
// The publish group's name.
inline constexpr int kGroupName = 2100;
// A shared item.
inline constexpr int kItemLabel = 2200;
inline constexpr int kItemValue = 2201;
}  // namespace lan_dialog_ids

void RunLinkStatusDialog(HWND owner, Ui& ui, const std::wstring& font, const LinkStatusModel& model);
// True when OK closed it with a name the model took.
bool RunPublishGroupDialog(HWND owner, Ui& ui, const std::wstring& font, PublishGroupNameModel& model);
std::optional<LabelledValue> RunSharedItemDialog(HWND owner, Ui& ui, const std::wstring& font,
                                                 const std::string& caption, const LabelledValue& now);
std::optional<std::string> ChooseSharedFolder(HWND owner, Ui& ui, const std::string& prompt);

}  // namespace qb
