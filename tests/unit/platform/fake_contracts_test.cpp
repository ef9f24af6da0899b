// The port contracts, run on the fakes.
#include <memory>

#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "tests/contract/contract_factory.h"

namespace {

using qb::contract::ClipboardHarness;
using qb::contract::ClockHarness;
using qb::contract::FileSystemHarness;

class FakeFileSystemHarness : public FileSystemHarness {
 public:
  FakeFileSystemHarness() { fs_.putFolder(kScratch); }
  qb::FileSystem& fs() override { return fs_; }
  qb::Clock& clock() override { return clock_; }
  std::string scratchFolder() override { return kScratch; }
  void setReadOnly(const std::string& path, bool readOnly) override {
    fs_.setReadOnly(path, readOnly);
  }
  bool keepsCreationTimes() override { return true; }

 private:
  static constexpr const char* kScratch = "C:\\Contract\\scratch";
  qb::FakeClock clock_;
  qb::FakeFileSystem fs_{clock_};
};

class FakeClipboardHarness : public ClipboardHarness {
 public:
  ~FakeClipboardHarness() override {
    EXPECT_FALSE(clipboard_.isOpen());
    EXPECT_EQ(clipboard_.protocolViolations(), 0);
  }
  qb::Clipboard& clipboard() override { return clipboard_; }
  void placeNonText() override { clipboard_.setNonText(); }
  void placeMarkedText(const std::string& text, PrivacyMark mark) override {
    clipboard_.putText(text);
    if (mark != PrivacyMark::kInHistory) clipboard_.markPrivate();
  }
  void holdOutside() override { clipboard_.holdElsewhere(true); }
  void releaseOutsideHold() override { clipboard_.holdElsewhere(false); }

 private:
  qb::FakeClipboard clipboard_;
};

class FakeClockHarness : public ClockHarness {
 public:
  qb::Clock& clock() override { return clock_; }
  void postMessage(std::function<void()> action) override { clock_.schedule(0, std::move(action)); }

 private:
  qb::FakeClock clock_;
};

std::unique_ptr<FileSystemHarness> MakeFakeFileSystemHarness() {
  return std::make_unique<FakeFileSystemHarness>();
}
std::unique_ptr<ClipboardHarness> MakeFakeClipboardHarness() {
  return std::make_unique<FakeClipboardHarness>();
}
std::unique_ptr<ClockHarness> MakeFakeClockHarness() { return std::make_unique<FakeClockHarness>(); }

}  // namespace

QB_INSTANTIATE_FILE_SYSTEM_CONTRACT(Fake, MakeFakeFileSystemHarness)
QB_INSTANTIATE_CLIPBOARD_CONTRACT(Fake, MakeFakeClipboardHarness)
QB_INSTANTIATE_CLOCK_CONTRACT(Fake, MakeFakeClockHarness)
