// Test doubles of the plan's own ports: a host that records the commands it receives, a shell
// that records what it is asked to open, and run-time windows answered by the test.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "planlib/engine/plan_ports.h"
#include "platform/fake/fake_clock.h"

namespace qb {

class FakePlanHost : public PlanHost {
 public:
  explicit FakePlanHost(FakeClock& clock) : clock_(clock) {}

  void sendCommand(std::string_view command) override;
  void pumpMessages() override { ++pumps_; }

  // Runs after each command is recorded (the host's reaction, such as a stop request).
  std::function<void(const std::string& command)> onCommand;

  const std::vector<std::string>& commands() const { return commands_; }
  // "<ms> <command>" for each command.
  const std::vector<std::string>& log() const { return log_; }
  int pumps() const { return pumps_; }

 private:
  FakeClock& clock_;
  std::vector<std::string> commands_;
  std::vector<std::string> log_;
  int pumps_ = 0;
};

class FakePlanShell : public PlanShell {
 public:
  struct Open {
    std::string target;
    std::string parameters;
    bool ownedByHost = false;
    bool operator==(const Open&) const = default;
  };

  int open(std::string_view target, std::string_view parameters, bool ownedByHost) override;

  // The shell's result for a target (default 42, success).
  void setResult(const std::string& target, int result) { results_[target] = result; }
  const std::vector<Open>& opens() const { return opens_; }

 private:
  std::map<std::string, int> results_;
  std::vector<Open> opens_;
};

class FakePlanDialogs : public PlanDialogs {
 public:
  struct Message {
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::kNone;
    MessageButtons buttons = MessageButtons::kOk;
  };
  struct Notice {
    PlanNotice notice;
    std::uint64_t openedAt = 0;
    std::uint64_t closedAt = 0;
  };

  explicit FakePlanDialogs(FakeClock& clock) : clock_(clock) {}

  MessageAnswer message(std::string_view caption, std::string_view text, MessageIcon icon,
                        MessageButtons buttons) override;
  std::unique_ptr<PlanNoticeWindow> openNotice(const PlanNotice& notice) override;
  void runInput(PlanInputModel& model) override;
  void runDisplay(PlanDisplayModel& model) override;
  void runSelect(PlanSelectModel& model) override;

  // Answers, used in order. A window without a queued answer fails the test and stays
  // unanswered (the plan is then cancelled).
  std::deque<MessageAnswer> messageAnswers;
  std::deque<std::function<void(PlanInputModel&)>> inputAnswers;
  std::deque<std::function<void(PlanDisplayModel&)>> displayAnswers;
  std::deque<std::function<void(PlanSelectModel&)>> selectAnswers;

  const std::vector<Message>& messages() const { return messages_; }
  const std::deque<Notice>& notices() const { return notices_; }
  // The windows in the order they opened: "message", "notice", "input", "display", "select",
  // each with the virtual time: "<ms> input".
  const std::vector<std::string>& log() const { return log_; }
  // Headings and texts of the screens shown.
  std::vector<std::string> inputHeadings;
  std::vector<std::string> inputPrefills;
  std::vector<PlanInputKind> inputKinds;
  std::vector<std::string> displayTexts;
  std::vector<std::vector<std::string>> selectButtons;

 private:
  void note(const char* window);

  FakeClock& clock_;
  std::vector<Message> messages_;
  std::deque<Notice> notices_;  // stable references for the open windows
  std::vector<std::string> log_;
};

}  // namespace qb
