// The port contract suites, run on the Win32 adapters: the file system in a scratch folder under
// the temp folder, the system clipboard, and the system clock.
#include <windows.h>

#include <cstring>
#include <memory>
#include <stdexcept>
#include <thread>

#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "tests/contract/contract_factory.h"
#include "tests/win32/message_window.h"
#include "tests/win32/scratch_folder.h"

namespace qb::test {
namespace {

class Win32FileSystemHarness : public contract::FileSystemHarness {
 public:
  explicit Win32FileSystemHarness(CreationTimePolicy policy) : fs_(policy) {}

  FileSystem& fs() override { return fs_; }
  Clock& clock() override { return clock_; }
  std::string scratchFolder() override { return scratch_.path(); }
  void setReadOnly(const std::string& path, bool readOnly) override {
    SetFileAttributesW(SjisToWide(path).c_str(),
                       readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
  }
  // Where the volume does not keep them, the adapter keeps them itself.
  bool keepsCreationTimes() override { return true; }

 private:
  ScratchFolder scratch_;
  Win32Clock clock_;
  Win32FileSystem fs_;
};

// Manual-reset event, closed at the end.
class Event {
 public:
  Event() : handle_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    if (handle_ == nullptr) throw std::runtime_error("cannot create an event");
  }
  ~Event() { CloseHandle(handle_); }
  void set() { SetEvent(handle_); }
  void wait() { WaitForSingleObject(handle_, INFINITE); }

 private:
  HANDLE handle_;
};

class Win32ClipboardHarness : public contract::ClipboardHarness {
  static void SetGlobal(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) GlobalFree(memory);
  }

 public:
  Win32ClipboardHarness() : clipboard_(window_.handle()) {}
  ~Win32ClipboardHarness() override { releaseOutsideHold(); }

  Clipboard& clipboard() override { return clipboard_; }

  void placeNonText() override {
    const UINT format = RegisterClipboardFormatW(L"Quillbox test data");
    ASSERT_TRUE(OpenClipboard(other_.handle()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(memory), "\x01\x02\x03\x04", 4);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) GlobalFree(memory);
    CloseClipboard();
  }

  void placeMarkedText(const std::string& text, PrivacyMark mark) override {
    ASSERT_TRUE(OpenClipboard(other_.handle()));
    EmptyClipboard();
    SetGlobal(CF_UNICODETEXT, SjisToWide(text).c_str(), (SjisToWide(text).size() + 1) * 2);
    const DWORD allowed = mark == PrivacyMark::kInHistory ? 1 : 0;
    switch (mark) {
      case PrivacyMark::kExcludeFromMonitoring:
        SetGlobal(RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing"),
                  &allowed, sizeof allowed);
        break;
      case PrivacyMark::kViewerIgnore:
        SetGlobal(RegisterClipboardFormatW(L"Clipboard Viewer Ignore"), &allowed, sizeof allowed);
        break;
      case PrivacyMark::kNotInHistory:
      case PrivacyMark::kInHistory:
        SetGlobal(RegisterClipboardFormatW(L"CanIncludeInClipboardHistory"), &allowed,
                  sizeof allowed);
        break;
    }
    CloseClipboard();
  }

  // Another thread opens the clipboard and keeps it open: the clipboard belongs to the thread
  // that opened it, as it would belong to another program.
  void holdOutside() override {
    holder_ = std::thread([this] {
      const bool opened = OpenClipboard(nullptr) != 0;
      held_.set();
      release_.wait();
      if (opened) CloseClipboard();
    });
    held_.wait();
  }

  void releaseOutsideHold() override {
    if (!holder_.joinable()) return;
    release_.set();
    holder_.join();
  }

 private:
  MessageWindow window_;
  MessageWindow other_;
  Win32Clipboard clipboard_;
  Event held_;
  Event release_;
  std::thread holder_;
};

class Win32ClockHarness : public contract::ClockHarness {
 public:
  Clock& clock() override { return clock_; }
  void postMessage(std::function<void()> action) override { window_.post(std::move(action)); }

 private:
  Win32Clock clock_;
  MessageWindow window_;
};

std::unique_ptr<contract::FileSystemHarness> MakeProbingFileSystem() {
  return std::make_unique<Win32FileSystemHarness>(CreationTimePolicy::kProbeEachVolume);
}

std::unique_ptr<contract::FileSystemHarness> MakeSubstitutingFileSystem() {
  return std::make_unique<Win32FileSystemHarness>(CreationTimePolicy::kSubstituteEverywhere);
}

std::unique_ptr<contract::ClipboardHarness> MakeClipboard() {
  return std::make_unique<Win32ClipboardHarness>();
}

std::unique_ptr<contract::ClockHarness> MakeClock() {
  return std::make_unique<Win32ClockHarness>();
}

}  // namespace
}  // namespace qb::test

QB_INSTANTIATE_FILE_SYSTEM_CONTRACT(Win32, qb::test::MakeProbingFileSystem)
QB_INSTANTIATE_FILE_SYSTEM_CONTRACT(Win32Substitute, qb::test::MakeSubstitutingFileSystem)
QB_INSTANTIATE_CLIPBOARD_CONTRACT(Win32, qb::test::MakeClipboard)
QB_INSTANTIATE_CLOCK_CONTRACT(Win32, qb::test::MakeClock)
