// The host's plan thread: it owns the plan library's one interface object and performs one edit
// or run request at a time, woken by an auto-reset event. The window thread hands it requests and
// reads its mode and the hidden window of the request in progress.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <variant>

namespace qb {

// 0 idle, 1 editing, 2 running.
enum class PlanMode { kIdle = 0, kEditing = 1, kRunning = 2 };

struct PlanRunRequest {
  std::string planText;
  std::string planVersion;
  std::string text;        // the input text of the run
  std::string actWinName;  // the working window's title
  bool dialogDelay = false;
};

struct PlanEditRequest {
  std::string planText;     // empty for a new plan
  std::string planVersion;  // stored with the plan
  std::string userId;
  std::string actWinName;
  bool maximized = false;   // open the editor maximised
};

// What an edit gave back: `returned` 0 on OK (the text is the edited plan), -1 otherwise. Once the
// editor was reached, the name, version and attributes are the editor's results.
struct PlanEditResult {
  int returned = -1;
  bool reachedEditor = false;
  bool maximized = false;  // the editor was left larger than its design size
  std::string planText;
  std::string name;
  std::string version;
  std::string attributes;
};

// The plan library as the plan thread calls it (CPlanInterface on Windows).
class PlanLibraryCalls {
 public:
  virtual ~PlanLibraryCalls() = default;
  // m_PlanInit.
  virtual void init() = 0;
  // m_InitRun, then `windowCreated` with the hidden window, m_Run, m_EndRun.
  virtual void run(const PlanRunRequest& request,
                   const std::function<void(std::uintptr_t window)>& windowCreated) = 0;
  // m_InitEdit, then `windowCreated` with the hidden window, m_Edit with mode 1, m_EndEdit.
  virtual PlanEditResult edit(const PlanEditRequest& request,
                              const std::function<void(std::uintptr_t window)>& windowCreated) = 0;
};

class PlanThread {
 public:
  using LibraryFactory = std::function<std::unique_ptr<PlanLibraryCalls>()>;
  static constexpr int kInitDelayMilliseconds = 500;

  // `makeLibrary` runs on the plan thread, which keeps the object until it ends; `sleep` is the
  // thread's wait before m_PlanInit.
  PlanThread(LibraryFactory makeLibrary, std::function<void(int milliseconds)> sleep);
  // Joins the thread when it has ended; a thread that would not stop is left to the process end.
  ~PlanThread();
  PlanThread(const PlanThread&) = delete;
  PlanThread& operator=(const PlanThread&) = delete;

  void start();

  // A run request: false while a plan is edited or run already.
  bool requestRun(PlanRunRequest request);
  // An edit request: false while a plan is edited or run already. `edited` runs on the plan
  // thread with the result once the editor has closed, while the mode is still editing.
  bool requestEdit(PlanEditRequest request, std::function<void(PlanEditResult)> edited);
  PlanMode mode() const;
  // The hidden window of the request in progress, 0 when there is none.
  std::uintptr_t planWindow() const;

  // The shutdown's handshake: the exit flag, the wake-up, and whether the thread still runs.
  void requestExit();
  void wake();
  bool running() const { return running_.load(); }

  // Runs on the plan thread after each request, once the mode is back to idle.
  void setFinishedHook(std::function<void()> hook);

 private:
  struct EditOrder {
    PlanEditRequest request;
    std::function<void(PlanEditResult)> edited;
  };
  using Request = std::variant<PlanRunRequest, EditOrder>;

  void body();
  // Waits for the event; false when the thread is to end.
  bool waitForRequest(Request& request);
  void perform(PlanLibraryCalls& library, Request& request);
  bool take(Request request, PlanMode mode);
  void finish();

  LibraryFactory makeLibrary_;
  std::function<void(int)> sleep_;
  mutable std::mutex mutex_;
  std::condition_variable event_;
  bool signalled_ = false;  // the auto-reset event
  bool exit_ = false;
  bool pending_ = false;
  PlanMode mode_ = PlanMode::kIdle;
  Request request_;
  std::uintptr_t window_ = 0;
  std::function<void()> finished_;
  std::atomic<bool> running_{false};
  std::thread thread_;
};

}  // namespace qb
