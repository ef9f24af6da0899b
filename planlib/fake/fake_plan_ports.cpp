#include "planlib/fake/fake_plan_ports.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

class FakeNoticeWindow : public PlanNoticeWindow {
 public:
  FakeNoticeWindow(FakeClock& clock, std::uint64_t& closedAt) : clock_(clock), closedAt_(closedAt) {}
  ~FakeNoticeWindow() override { closedAt_ = clock_.milliseconds(); }

 private:
  FakeClock& clock_;
  std::uint64_t& closedAt_;
};

template <class Model>
void Answer(std::deque<std::function<void(Model&)>>& answers, Model& model, const char* window) {
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected " << window << " window";
    return;
  }
  auto answer = std::move(answers.front());
  answers.pop_front();
  answer(model);
}

}  // namespace

void FakePlanHost::sendCommand(std::string_view command) {
  commands_.emplace_back(command);
  log_.push_back(std::to_string(clock_.milliseconds()) + " " + std::string(command));
  if (onCommand) onCommand(commands_.back());
}

int FakePlanShell::open(std::string_view target, std::string_view parameters, bool ownedByHost) {
  opens_.push_back({std::string(target), std::string(parameters), ownedByHost});
  auto found = results_.find(std::string(target));
  return found == results_.end() ? 42 : found->second;
}

void FakePlanDialogs::note(const char* window) {
  log_.push_back(std::to_string(clock_.milliseconds()) + " " + window);
}

MessageAnswer FakePlanDialogs::message(std::string_view caption, std::string_view text,
                                       MessageIcon icon, MessageButtons buttons) {
  note("message");
  messages_.push_back({std::string(caption), std::string(text), icon, buttons});
  if (messageAnswers.empty()) {
    if (buttons == MessageButtons::kYesNo) ADD_FAILURE() << "unexpected question: " << text;
    return buttons == MessageButtons::kYesNo ? MessageAnswer::kNo : MessageAnswer::kOk;
  }
  MessageAnswer answer = messageAnswers.front();
  messageAnswers.pop_front();
  return answer;
}

std::unique_ptr<PlanNoticeWindow> FakePlanDialogs::openNotice(const PlanNotice& notice) {
  note("notice");
  notices_.push_back({notice, clock_.milliseconds(), 0});
  return std::make_unique<FakeNoticeWindow>(clock_, notices_.back().closedAt);
}

void FakePlanDialogs::runInput(PlanInputModel& model) {
  note("input");
  inputHeadings.push_back(model.heading());
  inputPrefills.push_back(model.value());
  inputKinds.push_back(model.kind());
  Answer(inputAnswers, model, "input");
}

void FakePlanDialogs::runDisplay(PlanDisplayModel& model) {
  note("display");
  displayTexts.push_back(model.heading() + "|" + model.text());
  Answer(displayAnswers, model, "display");
}

void FakePlanDialogs::runSelect(PlanSelectModel& model) {
  note("select");
  selectButtons.push_back(model.buttons());
  Answer(selectAnswers, model, "select");
}

}  // namespace qb
