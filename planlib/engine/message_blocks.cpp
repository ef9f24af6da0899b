// メッセージ確認, メッセージ通知, プラン実行確認, プラン終了通知.
#include "planlib/engine/io_block_support.h"
#include "planlib/engine/io_blocks.h"
#include "planlib/engine/plan_runner.h"

namespace qb {
namespace {

constexpr std::size_t kVerifyBytes = 600;
constexpr std::size_t kNoticeBytes = 120;

// A message box of a message block: with its own caption in the run-time windows, else through
// the host's boxes.
MessageAnswer AskInBox(BlockContext& context, std::string_view caption, std::string_view text,
                       MessageIcon icon, MessageButtons buttons) {
  if (PlanDialogs* dialogs = context.world().dialogs) {
    return dialogs->message(caption, text, icon, buttons);
  }
  return context.world().ui.showMessage(text, icon, buttons);
}

struct NoticeSettings {
  int kind = 0;
  int tenths = 0;
  std::string message;
  PlanColor textColor;
  PlanColor backColor;
};

// false when an element is missing (the analysis message is shown then).
bool ReadNotice(BlockSettings& settings, NoticeSettings& notice) {
  notice.kind = settings.number("KIND_INFO");
  notice.tenths = settings.number("DSP_TIME");
  notice.message = settings.text("MSG");
  notice.textColor = {settings.number("TXCOLOR_R"), settings.number("TXCOLOR_G"),
                      settings.number("TXCOLOR_B")};
  notice.backColor = {settings.number("BKCOLOR_R"), settings.number("BKCOLOR_G"),
                      settings.number("BKCOLOR_B")};
  return settings.ok();
}

int ShowTimedNotice(BlockContext& context, const NoticeSettings& settings, std::string text) {
  PlanNotice notice{std::move(text), settings.tenths * 100, settings.textColor, settings.backColor};
  return GoOnUnlessStopped(ShowNotice(context, notice));
}

}  // namespace

int CMsgVerify::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int source = settings.number("KIND_IN");
  int kind = settings.number("KIND_VERIFY");
  std::string data = settings.text("MSG");
  if (!settings.ok()) return settings.fail(context);
  std::string message = ShortenForDisplay(SourceText(context, source, text, data), kVerifyBytes);
  if (!WaitBeforeDialog(context)) return plan_result::kCancel;
  constexpr std::string_view kCaption = "プラン実行［メッセージ確認］";
  if (kind == 2) {
    MessageAnswer answer = AskInBox(context, kCaption, message, MessageIcon::kQuestion,
                                    MessageButtons::kYesNo);
    context.variables().setText(var::kMessageVerify, answer == MessageAnswer::kYes ? "Y" : "N");
  } else {
    AskInBox(context, kCaption, message, MessageIcon::kInformation, MessageButtons::kOk);
  }
  return GoOnUnlessStopped(WaitAfterDialog(context));
}

int CMsgInfo::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  NoticeSettings notice;
  if (!ReadNotice(settings, notice)) return settings.fail(context);
  std::string shown = notice.kind == 3 ? text : context.substitute(notice.message);
  return ShowTimedNotice(context, notice, ShortenForDisplay(shown, kNoticeBytes));
}

int CMsgVerifyPlan::m_Run(BlockContext& context, BlockSettings& settings, std::string&) const {
  int kind = settings.number("KIND_VERIFY");
  settings.text("MSG");
  if (!settings.ok()) return settings.fail(context);
  if (kind != 3) return plan_result::kGoOn;  // "この画面は表示しない"
  if (!WaitBeforeDialog(context)) return plan_result::kCancel;
  std::string question = "【" + context.variables().planName() + "】\n\nプランを実行しますか？　";
  MessageAnswer answer = AskInBox(context, "プラン実行［プラン実行確認］", question,
                                  MessageIcon::kQuestion, MessageButtons::kYesNo);
  if (answer != MessageAnswer::kYes) return plan_result::kCancel;
  return GoOnUnlessStopped(WaitAfterDialog(context));
}

int CMsgInfoPlan::m_Run(BlockContext& context, BlockSettings& settings, std::string&) const {
  NoticeSettings notice;
  if (!ReadNotice(settings, notice)) return settings.fail(context);
  return ShowTimedNotice(context, notice,
                         notice.kind == 1 ? "\r\nプランの実行が完了しました" : std::string());
}

}  // namespace qb
