// The folders and files of the fake file system, without any rule about who may change them.
// Every drive ("C:") and every share ("\\server\share") exists as an empty root folder from the
// first time it is named. Names are kept as written and found case-insensitively (ASCII only).
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"
#include "platform/fake/windows_path.h"

namespace qb {

struct FakeFileNode {
  std::string name;
  bool isFolder = false;
  bool readOnly = false;
  std::string content;
  DateTime created;
  DateTime lastWritten;
  std::uint64_t order = 0;  // when it was added to its folder; listing follows it
  std::map<std::string, std::unique_ptr<FakeFileNode>> children;  // by folded name
};

class FakeFileTree {
 public:
  // The node the path names, or null.
  FakeFileNode* find(const WindowsPath& path);
  // The folder that holds the path's last name; null for a root, or when a folder on the way is
  // missing or is a file.
  FakeFileNode* parentOf(const WindowsPath& path);
  FakeFileNode* child(FakeFileNode& folder, std::string_view name);

  FakeFileNode& add(FakeFileNode& folder, std::string_view name, bool isFolder,
                    const DateTime& now);
  std::unique_ptr<FakeFileNode> detach(FakeFileNode& folder, std::string_view name);
  // Puts a detached node into a folder under a name; it lists after everything already there.
  void attach(FakeFileNode& folder, std::unique_ptr<FakeFileNode> node, std::string_view name);

  // Children in the order they were added.
  static std::vector<const FakeFileNode*> childrenInOrder(const FakeFileNode& folder);

 private:
  FakeFileNode& root(std::string_view rootText);
  FakeFileNode* walk(const WindowsPath& path, std::size_t nameCount);

  std::map<std::string, std::unique_ptr<FakeFileNode>> roots_;
  std::uint64_t nextOrder_ = 0;
};

}  // namespace qb
