// Finds out, once per volume, whether the volume keeps the creation times that are set on its
// files: it sets a creation time years in the past on a scratch file and reads it back.
#pragma once
#include <map>
#include <mutex>
#include <string>

namespace qb {

enum class CreationTimeSupport {
  kKept,
  kNotKept,
  kUnknown,  // the probe could not run (for example, no scratch file could be made there)
};

class CreationTimeProbe {
 public:
  // `folder` is an absolute, existing folder path ending in a backslash. Only a probe that ran
  // is remembered, so an unknown answer is asked again the next time.
  CreationTimeSupport forFolder(const std::wstring& folder);

 private:
  std::wstring volumeOf(const std::wstring& folder);
  static CreationTimeSupport Probe(const std::wstring& folder);

  std::mutex mutex_;
  std::map<std::wstring, std::wstring> volumeOfFolder_;        // keyed by CaseKey(folder)
  std::map<std::wstring, CreationTimeSupport> supportOfVolume_;  // keyed by CaseKey(volume root)
};

}  // namespace qb
