// A fresh folder under the temp folder, with a Japanese part in its name (表 and ソ end in the
// byte of a backslash), removed with everything in it at the end of the test.
#pragma once
#include <string>

namespace qb::test {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Shift-JIS, without a trailing backslash.
  const std::string& path() const { return path_; }
  const std::wstring& widePath() const { return widePath_; }
  std::string at(const std::string& name) const { return path_ + "\\" + name; }
  std::wstring wideAt(const std::wstring& name) const { return widePath_ + L"\\" + name; }

 private:
  std::wstring widePath_;
  std::string path_;
};

}  // namespace qb::test
