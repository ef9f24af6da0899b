#include "app/win32/lan_wiring.h"

#include "app/win32/dialogs/dialogs.h"
#include "app/win32/dialogs/lan_dialogs.h"

namespace qb {

LanWiring::LanWiring(LanWiringParts parts) : parts_(std::move(parts)), poster_(parts_.instance) {
  controller_ = std::make_unique<LanController>(net_, clock_, parts_.settings);
  OpenTabHost& openHost = *this;
  SharedTabHost& sharedHost = *this;
  openList_ = std::make_unique<COpenList>(
      OpenListParts{controller_->publishLink(), clock_, parts_.ui, parts_.settings, openHost});
  sharedList_ = std::make_unique<CSharedList>(SharedListParts{
      parts_.fs, clock_, parts_.ui, parts_.settings, controller_->shareLink(), sharedHost, parts_.dataHome});
  OpenTabDialogs& openDialogs = *this;
  SharedTabDialogs& sharedDialogs = *this;
  openTab_ = std::make_unique<OpenTab>(OpenTabParts{
      *openList_, controller_->publishLink(), parts_.engine, parts_.settings, parts_.ui, openDialogs,
      [this] { controller_->EnsurePublishStarted(); }, {},
      [this](std::string_view label, std::string_view value) { return copyToShared(label, value); }});
  sharedTab_ = std::make_unique<SharedTab>(SharedTabParts{
      *sharedList_, controller_->shareLink(), parts_.engine, parts_.analyzer, parts_.inputs,
      parts_.inputMethod, parts_.settings, parts_.ui, sharedDialogs, {}, parts_.storePlan});
  controller_->AttachTabs(openList_.get(), sharedList_.get());
}

LanWiring::~LanWiring() {
  // No link thread may still reach the tabs once they go.
  if (controller_) controller_->AttachTabs(nullptr, nullptr);
}

std::unique_ptr<TabView> LanWiring::makeSharedView() {
  auto view = std::make_unique<SharedTabView>(
      *sharedTab_, parts_.settings,
      [this] { return controller_->shareLink().WasStarted() && !controller_->shareLink().IsOpen(); },
      parts_.refreshList);
  sharedView_ = view.get();
  return view;
}

std::unique_ptr<TabView> LanWiring::makeOpenView() {
  auto view = std::make_unique<OpenTabView>(
      *openTab_, parts_.settings,
      [this] { return controller_->publishLink().WasStarted() && !controller_->publishLink().IsOpen(); },
      parts_.refreshList);
  openView_ = view.get();
  return view;
}

void LanWiring::start() {
  controller_->Start();
  tabStateChanged();
}

void LanWiring::applySettings() {
  controller_->ApplySettings();
  tabStateChanged();
}

bool LanWiring::stop() { return controller_->Stop(); }

void LanWiring::publish(std::string_view text) { openList_->OnClipboardChanged(std::string(text), false); }

std::optional<std::string> LanWiring::takePublisherOf(std::string_view text) {
  return openList_->TakePublisherOf(text);
}

int LanWiring::copyToShared(std::string_view label, std::string_view value) {
  if (parts_.settings.Common_Enable != 1) return -1;
  int result = sharedList_->AddItem(value, label, kDataKindText);
  parts_.refreshList();
  return result;
}

int LanWiring::copyPlanToShared(std::string_view planRecord) {
  if (parts_.settings.Common_Enable != 1) return -1;
  int result = sharedList_->AddItem(planRecord, "", kDataKindPlan);
  parts_.refreshList();
  return result;
}

std::optional<std::string> LanWiring::clipboardText() {
  Clipboard& clipboard = parts_.clipboard;
  if (!clipboard.open()) return std::nullopt;
  std::optional<std::string> text;
  if (!clipboard.isPrivate() && clipboard.hasText()) text = clipboard.getText();
  clipboard.close();
  return text;
}

int LanWiring::putSyncedText(std::string_view text, bool intoHistory) {
  return parts_.putOnClipboard(text, intoHistory);
}

void LanWiring::tabStateChanged() {
  if (openView_) openView_->updateBar();
  if (sharedView_) sharedView_->updateBar();
  parts_.publishingChanged();
  parts_.refreshList();
}

bool LanWiring::runGroupName(PublishGroupNameModel& model) {
  return RunPublishGroupDialog(parts_.owner, parts_.ui, parts_.dialogFont, model);
}

void LanWiring::showContent(const std::string& value) {
  RunContentViewDialog(parts_.owner, parts_.ui, parts_.dialogFont, "内容確認", value);
}

void LanWiring::showLinkStatus(const LinkStatusModel& model) {
  RunLinkStatusDialog(parts_.owner, parts_.ui, parts_.dialogFont, model);
}

std::optional<std::string> LanWiring::chooseFolder(const std::string& prompt) {
  return ChooseSharedFolder(parts_.owner, parts_.ui, prompt);
}

std::optional<LabelledValue> LanWiring::editItem(const std::string& caption, const LabelledValue& now) {
  return RunSharedItemDialog(parts_.owner, parts_.ui, parts_.dialogFont, caption, now);
}

}  // namespace qb
