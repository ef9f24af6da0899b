// Contract suites for the platform ports. Each suite is written once against a harness; the
// native tests run it on the fakes, the Windows tests on the Win32 adapters:
//
//   std::unique_ptr<qb::contract::FileSystemHarness> MakeWin32FileSystemHarness();
//   QB_INSTANTIATE_FILE_SYSTEM_CONTRACT(Win32, MakeWin32FileSystemHarness)
//
// at file scope of the test program. A harness is made fresh for every test and destroyed after
// it; it owns whatever the port needs (windows, scratch folders) and cleans up.
#pragma once
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/file_system.h"

namespace qb::contract {

class FileSystemHarness {
 public:
  virtual ~FileSystemHarness() = default;
  virtual FileSystem& fs() = 0;
  // The clock the file system takes its times from.
  virtual Clock& clock() = 0;
  // An existing, empty folder for this test, without a trailing backslash; the harness removes
  // it and everything in it afterwards.
  virtual std::string scratchFolder() = 0;
  // Sets or clears the read-only attribute the way another program would (the port cannot).
  virtual void setReadOnly(const std::string& path, bool readOnly) = 0;
  // False where the volume does not keep creation times (Wine does not); the tests of kept
  // creation times are then skipped.
  virtual bool keepsCreationTimes() = 0;
};

class ClipboardHarness {
 public:
  virtual ~ClipboardHarness() = default;
  // Closed when handed out and expected closed when the test ends.
  virtual Clipboard& clipboard() = 0;
  // Another program puts content on the clipboard that is not text.
  virtual void placeNonText() = 0;
  // Another program puts a text on the clipboard together with a privacy format.
  enum class PrivacyMark { kExcludeFromMonitoring, kViewerIgnore, kNotInHistory, kInHistory };
  virtual void placeMarkedText(const std::string& text, PrivacyMark mark) = 0;
  // Another program opens the clipboard and keeps it open until releaseOutsideHold().
  virtual void holdOutside() = 0;
  virtual void releaseOutsideHold() = 0;
};

class ClockHarness {
 public:
  virtual ~ClockHarness() = default;
  virtual Clock& clock() = 0;
  // Queues `action` as a window message of the calling thread: it runs only when the thread
  // dispatches its messages, as pumpWait does.
  virtual void postMessage(std::function<void()> action) = 0;
};

template <class Harness>
struct HarnessFactory {
  std::string name;
  std::function<std::unique_ptr<Harness>()> make;
};

template <class Harness>
void PrintTo(const HarnessFactory<Harness>& factory, std::ostream* out) {
  *out << factory.name;
}

template <class Harness>
std::string FactoryName(const ::testing::TestParamInfo<HarnessFactory<Harness>>& info) {
  return info.param.name;
}

template <class Harness>
class ContractTest : public ::testing::TestWithParam<HarnessFactory<Harness>> {
 protected:
  void SetUp() override { harness_ = this->GetParam().make(); }
  void TearDown() override { harness_.reset(); }
  Harness& harness() { return *harness_; }

 private:
  std::unique_ptr<Harness> harness_;
};

class FileSystemContract : public ContractTest<FileSystemHarness> {
 protected:
  FileSystem& fs() { return harness().fs(); }
  // A path in the scratch folder.
  std::string at(const std::string& name);
  void write(const std::string& path, const std::string& bytes);
  std::string read(const std::string& path);
};

class ClipboardContract : public ContractTest<ClipboardHarness> {
 protected:
  Clipboard& clipboard() { return harness().clipboard(); }
};

class ClockContract : public ContractTest<ClockHarness> {
 protected:
  Clock& clock() { return harness().clock(); }
};

// Referenced by the instantiation macros so that the linker keeps the suites of the library.
int LinkFileSystemContract();
int LinkClipboardContract();
int LinkClockContract();

}  // namespace qb::contract

#define QB_INSTANTIATE_CONTRACT_(prefix, Suite, Harness, makeHarness)                        \
  namespace qb::contract {                                                                   \
  INSTANTIATE_TEST_SUITE_P(prefix, Suite,                                                    \
                           ::testing::Values(HarnessFactory<Harness>{#prefix, makeHarness}), \
                           FactoryName<Harness>);                                            \
  [[maybe_unused]] static const int qb_contract_link_##prefix##_##Suite = Link##Suite();     \
  }

#define QB_INSTANTIATE_FILE_SYSTEM_CONTRACT(prefix, makeHarness) \
  QB_INSTANTIATE_CONTRACT_(prefix, FileSystemContract, FileSystemHarness, makeHarness)
#define QB_INSTANTIATE_CLIPBOARD_CONTRACT(prefix, makeHarness) \
  QB_INSTANTIATE_CONTRACT_(prefix, ClipboardContract, ClipboardHarness, makeHarness)
#define QB_INSTANTIATE_CLOCK_CONTRACT(prefix, makeHarness) \
  QB_INSTANTIATE_CONTRACT_(prefix, ClockContract, ClockHarness, makeHarness)
