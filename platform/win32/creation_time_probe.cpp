#include "platform/win32/creation_time_probe.h"

#include <windows.h>

#include "platform/win32/windows_time.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_path.h"

namespace qb {
namespace {

// 2001-01-01 00:00:00 UTC.
constexpr std::uint64_t kProbeTicks = 126227808000000000ull;
// Volumes that keep creation times may round them (FAT: 10 ms); two seconds is plenty.
constexpr std::uint64_t kToleranceTicks = 2ull * 10000000ull;

}  // namespace

CreationTimeSupport CreationTimeProbe::forFolder(const std::wstring& folder) {
  std::lock_guard lock(mutex_);
  const std::wstring volume = CaseKey(volumeOf(folder));
  auto known = supportOfVolume_.find(volume);
  if (known != supportOfVolume_.end()) return known->second;
  const CreationTimeSupport support = Probe(folder);
  if (support != CreationTimeSupport::kUnknown) supportOfVolume_[volume] = support;
  return support;
}

std::wstring CreationTimeProbe::volumeOf(const std::wstring& folder) {
  const std::wstring key = CaseKey(folder);
  auto known = volumeOfFolder_.find(key);
  if (known != volumeOfFolder_.end()) return known->second;
  wchar_t root[MAX_PATH + 1];
  std::wstring volume = folder;
  if (GetVolumePathNameW(folder.c_str(), root, MAX_PATH + 1)) volume = root;
  volumeOfFolder_[key] = volume;
  return volume;
}

CreationTimeSupport CreationTimeProbe::Probe(const std::wstring& folder) {
  wchar_t scratch[MAX_PATH];
  if (GetTempFileNameW(folder.c_str(), L"~qb", 0, scratch) == 0) {
    return CreationTimeSupport::kUnknown;
  }
  const FILETIME past = FileTimeFromTicks(kProbeTicks);
  UniqueHandle file(CreateFileW(scratch, FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  const bool set = file.valid() && SetFileTime(file.get(), &past, nullptr, nullptr);
  file.reset();
  WIN32_FILE_ATTRIBUTE_DATA data;
  const bool read = GetFileAttributesExW(scratch, GetFileExInfoStandard, &data) != 0;
  DeleteFileW(scratch);
  if (!set || !read) return CreationTimeSupport::kUnknown;
  const std::uint64_t got = FileTimeTicks(data.ftCreationTime);
  const std::uint64_t difference = got > kProbeTicks ? got - kProbeTicks : kProbeTicks - got;
  return difference <= kToleranceTicks ? CreationTimeSupport::kKept
                                       : CreationTimeSupport::kNotKept;
}

}  // namespace qb
