#include "platform/fake/fake_file_system.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace qb {

// The paths held by openExclusive; shared with the handles, which may outlive the file system.
class FakeLockTable {
 public:
  bool holds(const std::string& key) {
    std::lock_guard lock(mutex_);
    return keys_.count(key) != 0;
  }
  bool holdsWithin(const std::string& folderKey);
  void hold(const std::string& key) {
    std::lock_guard lock(mutex_);
    keys_.insert(key);
  }
  void release(const std::string& key) {
    std::lock_guard lock(mutex_);
    keys_.erase(key);
  }

 private:
  std::mutex mutex_;
  std::set<std::string> keys_;  // PathKey of every held file
};

namespace {

class FakeExclusiveFile : public ExclusiveFile {
 public:
  FakeExclusiveFile(std::weak_ptr<FakeLockTable> table, std::string key)
      : table_(std::move(table)), key_(std::move(key)) {}
  ~FakeExclusiveFile() override {
    if (auto table = table_.lock()) table->release(key_);
  }

 private:
  std::weak_ptr<FakeLockTable> table_;
  std::string key_;
};

FileFailure Fail(const FileError& error) { return error; }  // a failure from one of the fixed errors

bool StartsWithFolder(const std::string& key, const std::string& folderKey) {
  return key.size() > folderKey.size() && key.compare(0, folderKey.size(), folderKey) == 0 &&
         key[folderKey.size()] == '\\';
}

}  // namespace

bool FakeLockTable::holdsWithin(const std::string& folderKey) {
  std::lock_guard lock(mutex_);
  for (const std::string& key : keys_) {
    if (key == folderKey || StartsWithFolder(key, folderKey)) return true;
  }
  return false;
}

FakeFileSystem::FakeFileSystem(Clock& clock)
    : clock_(clock), locks_(std::make_shared<FakeLockTable>()) {}

FakeFileSystem::~FakeFileSystem() = default;

std::optional<FileError> FakeFileSystem::begin(Operation operation, std::string_view path) {
  calls_.push_back({operation, std::string(path)});
  return faults_.take(operation, path);
}

std::optional<FakeFileSystem::Target> FakeFileSystem::resolve(std::string_view path,
                                                              bool trailingAllowed,
                                                              FileError& error) {
  std::optional<WindowsPath> parsed = ParseWindowsPath(path);
  if (!parsed || (parsed->trailingSeparator && !trailingAllowed)) {
    error = FakeFileError::kInvalidName;
    return std::nullopt;
  }
  Target target{*parsed, nullptr, nullptr};
  if (target.path.names.empty()) {
    target.node = tree_.find(target.path);
    return target;
  }
  target.parent = tree_.parentOf(target.path);
  if (target.parent == nullptr) {
    error = FakeFileError::kPathNotFound;
    return std::nullopt;
  }
  target.node = tree_.child(*target.parent, target.path.names.back());
  return target;
}

bool FakeFileSystem::isHeld(const WindowsPath& path) const { return locks_->holds(PathKey(path)); }

bool FakeFileSystem::holdsHeld(const WindowsPath& folder) const {
  return locks_->holdsWithin(PathKey(folder));
}

FileResult<std::string> FakeFileSystem::read(Operation operation, std::string_view path,
                                              std::size_t maxBytes) {
  std::lock_guard lock(mutex_);
  using Result = FileResult<std::string>;
  if (auto fault = begin(operation, path)) return Result::failure(*fault);
  FileError error;
  auto target = resolve(path, false, error);
  if (!target) return Result::failure(error);
  if (target->node == nullptr) return Result::failure(FakeFileError::kFileNotFound);
  if (target->node->isFolder) return Result::failure(FakeFileError::kAccessDenied);
  if (isHeld(target->path)) return Result::failure(FakeFileError::kSharingViolation);
  return Result::success(target->node->content.substr(0, maxBytes));
}

FileResult<std::string> FakeFileSystem::readWhole(std::string_view path) {
  return read(Operation::kReadWhole, path, std::string::npos);
}

FileResult<std::string> FakeFileSystem::readHead(std::string_view path, std::size_t maxBytes) {
  return read(Operation::kReadHead, path, maxBytes);
}

FileFailure FakeFileSystem::write(Operation operation, std::string_view path,
                                  std::string_view bytes, WriteMode mode,
                                  std::optional<DateTime> created) {
  std::lock_guard lock(mutex_);
  calls_.push_back({operation, std::string(path)});
  std::optional<ArrangedFault> fault = faults_.takeFault(operation, path);
  const bool partway = fault && fault->keptBytes > 0 &&
                       (operation == Operation::kWriteNew || operation == Operation::kAppend);
  if (fault && !partway) return fault->error;
  FileError error;
  auto target = resolve(path, false, error);
  if (!target) return error;
  FakeFileNode* node = target->node;
  DateTime now = clock_.localNow();
  if (node != nullptr) {
    if (node->isFolder || node->readOnly) return Fail(FakeFileError::kAccessDenied);
    if (isHeld(target->path)) return Fail(FakeFileError::kSharingViolation);
  } else if (target->parent == nullptr) {
    return Fail(FakeFileError::kAccessDenied);
  } else {
    node = &tree_.add(*target->parent, target->path.names.back(), false, now);
  }
  if (partway) bytes = bytes.substr(0, std::min(bytes.size(), fault->keptBytes));
  if (mode == WriteMode::kAppend) {
    node->content.append(bytes);
  } else {
    node->content.assign(bytes);
  }
  if (created) node->created = Normalized(*created);
  node->lastWritten = now;
  if (partway) return fault->error;
  return std::nullopt;
}

FileFailure FakeFileSystem::writeNew(std::string_view path, std::string_view bytes) {
  return write(Operation::kWriteNew, path, bytes, WriteMode::kReplace);
}

FileFailure FakeFileSystem::replaceAtomically(std::string_view path, std::string_view bytes) {
  return write(Operation::kReplaceAtomically, path, bytes, WriteMode::kReplace);
}

FileFailure FakeFileSystem::writeAtomically(std::string_view path, std::string_view bytes,
                                            DateTime created) {
  return write(Operation::kWriteAtomically, path, bytes, WriteMode::kNewFile, created);
}

FileFailure FakeFileSystem::append(std::string_view path, std::string_view bytes) {
  return write(Operation::kAppend, path, bytes, WriteMode::kAppend);
}

std::optional<FileAttributes> FakeFileSystem::attributes(std::string_view path) {
  std::lock_guard lock(mutex_);
  if (begin(Operation::kAttributes, path)) return std::nullopt;
  FileError error;
  auto target = resolve(path, false, error);
  if (!target || target->node == nullptr) return std::nullopt;
  return FileAttributes{target->node->isFolder, target->node->readOnly};
}

FileFailure FakeFileSystem::createFolder(std::string_view path) {
  std::lock_guard lock(mutex_);
  if (auto fault = begin(Operation::kCreateFolder, path)) return fault;
  FileError error;
  auto target = resolve(path, true, error);
  if (!target) return error;
  if (target->node != nullptr) return Fail(FakeFileError::kAlreadyExists);
  tree_.add(*target->parent, target->path.names.back(), true, clock_.localNow());
  return std::nullopt;
}

FileFailure FakeFileSystem::remove(std::string_view path) {
  std::lock_guard lock(mutex_);
  if (auto fault = begin(Operation::kRemove, path)) return fault;
  FileError error;
  auto target = resolve(path, false, error);
  if (!target) return error;
  if (target->node == nullptr) return Fail(FakeFileError::kFileNotFound);
  if (target->node->isFolder || target->node->readOnly) return Fail(FakeFileError::kAccessDenied);
  if (isHeld(target->path)) return Fail(FakeFileError::kSharingViolation);
  tree_.detach(*target->parent, target->path.names.back());
  return std::nullopt;
}

FileFailure FakeFileSystem::removeFolder(std::string_view path) {
  std::lock_guard lock(mutex_);
  if (auto fault = begin(Operation::kRemoveFolder, path)) return fault;
  FileError error;
  auto target = resolve(path, true, error);
  if (!target) return error;
  FakeFileNode* node = target->node;
  if (target->parent == nullptr) return Fail(FakeFileError::kAccessDenied);
  if (node == nullptr) return Fail(FakeFileError::kFileNotFound);
  if (!node->isFolder) return Fail(FakeFileError::kNotAFolder);
  if (!node->children.empty()) return Fail(FakeFileError::kFolderNotEmpty);
  if (node->readOnly) return Fail(FakeFileError::kAccessDenied);
  tree_.detach(*target->parent, target->path.names.back());
  return std::nullopt;
}

FileFailure FakeFileSystem::rename(std::string_view oldPath, std::string_view newPath) {
  std::lock_guard lock(mutex_);
  calls_.push_back({Operation::kRename, std::string(oldPath) + " -> " + std::string(newPath)});
  if (auto fault = faults_.take(Operation::kRename, oldPath)) return fault;
  if (auto fault = faults_.take(Operation::kRename, newPath)) return fault;
  FileError error;
  auto from = resolve(oldPath, false, error);
  if (!from) return error;
  if (from->node == nullptr) return Fail(FakeFileError::kFileNotFound);
  if (from->parent == nullptr) return Fail(FakeFileError::kAccessDenied);
  auto to = resolve(newPath, false, error);
  if (!to) return error;
  if (to->parent == nullptr) return Fail(FakeFileError::kAccessDenied);
  if (to->node != nullptr && to->node != from->node) return Fail(FakeFileError::kAlreadyExists);
  if (holdsHeld(from->path) || StartsWithFolder(PathKey(to->path), PathKey(from->path))) {
    return Fail(FakeFileError::kSharingViolation);
  }
  auto node = tree_.detach(*from->parent, from->path.names.back());
  tree_.attach(*to->parent, std::move(node), to->path.names.back());
  return std::nullopt;
}

FileResult<std::vector<FileEntry>> FakeFileSystem::listFolder(Operation operation,
                                                              std::string_view wildcardPath) {
  std::lock_guard lock(mutex_);
  using Result = FileResult<std::vector<FileEntry>>;
  if (auto fault = begin(operation, wildcardPath)) return Result::failure(*fault);
  auto parsed = ParseWindowsPath(wildcardPath, WildcardUse::kInLastName);
  if (!parsed || parsed->trailingSeparator || parsed->names.empty()) {
    return Result::failure(FakeFileError::kInvalidName);
  }
  std::string pattern = parsed->names.back();
  parsed->names.pop_back();
  FakeFileNode* folder = tree_.find(*parsed);
  if (folder == nullptr || !folder->isFolder) return Result::failure(FakeFileError::kPathNotFound);
  std::vector<FileEntry> entries;
  for (const FakeFileNode* node : FakeFileTree::childrenInOrder(*folder)) {
    if (!MatchesNamePattern(pattern, node->name)) continue;
    entries.push_back({node->name, node->isFolder, node->content.size(), node->created,
                       node->lastWritten});
  }
  return Result::success(std::move(entries));
}

std::vector<FileEntry> FakeFileSystem::list(std::string_view wildcardPath) {
  FileResult<std::vector<FileEntry>> listed = listFolder(Operation::kList, wildcardPath);
  return listed.ok() ? std::move(*listed.value) : std::vector<FileEntry>{};
}

FileResult<std::vector<FileEntry>> FakeFileSystem::tryList(std::string_view wildcardPath) {
  return listFolder(Operation::kList, wildcardPath);
}

FileResult<FileTimes> FakeFileSystem::times(std::string_view path) {
  std::lock_guard lock(mutex_);
  using Result = FileResult<FileTimes>;
  if (auto fault = begin(Operation::kTimes, path)) return Result::failure(*fault);
  FileError error;
  auto target = resolve(path, false, error);
  if (!target) return Result::failure(error);
  if (target->node == nullptr) return Result::failure(FakeFileError::kFileNotFound);
  return Result::success({target->node->created, target->node->lastWritten});
}

FileFailure FakeFileSystem::setTimes(std::string_view path, std::optional<DateTime> created,
                                     std::optional<DateTime> lastWritten) {
  std::lock_guard lock(mutex_);
  if (auto fault = begin(Operation::kSetTimes, path)) return fault;
  FileError error;
  auto target = resolve(path, false, error);
  if (!target) return error;
  if (target->node == nullptr) return Fail(FakeFileError::kFileNotFound);
  if (holdsHeld(target->path)) return Fail(FakeFileError::kSharingViolation);
  if (created) target->node->created = Normalized(*created);
  if (lastWritten) target->node->lastWritten = Normalized(*lastWritten);
  return std::nullopt;
}

FileResult<std::unique_ptr<ExclusiveFile>> FakeFileSystem::openExclusive(std::string_view path) {
  std::lock_guard lock(mutex_);
  using Result = FileResult<std::unique_ptr<ExclusiveFile>>;
  if (auto fault = begin(Operation::kOpenExclusive, path)) return Result::failure(*fault);
  FileError error;
  auto target = resolve(path, false, error);
  if (!target) return Result::failure(error);
  if (target->parent == nullptr) return Result::failure(FakeFileError::kAccessDenied);
  FakeFileNode* node = target->node;
  if (node != nullptr && (node->isFolder || node->readOnly)) {
    return Result::failure(FakeFileError::kAccessDenied);
  }
  if (isHeld(target->path)) return Result::failure(FakeFileError::kSharingViolation);
  if (node == nullptr) tree_.add(*target->parent, target->path.names.back(), false, clock_.localNow());
  std::string key = PathKey(target->path);
  locks_->hold(key);
  std::unique_ptr<ExclusiveFile> held = std::make_unique<FakeExclusiveFile>(locks_, key);
  return Result::success(std::move(held));
}

void FakeFileSystem::failNext(Operation operation, std::string_view pathPattern, FileError error,
                              int count) {
  std::lock_guard lock(mutex_);
  faults_.failNext(operation, pathPattern, error, count);
}

void FakeFileSystem::failAlways(Operation operation, std::string_view pathPattern,
                                FileError error) {
  std::lock_guard lock(mutex_);
  faults_.failAlways(operation, pathPattern, error);
}

void FakeFileSystem::failNextAfterWriting(Operation operation, std::string_view pathPattern,
                                          FileError error, std::size_t keptBytes) {
  std::lock_guard lock(mutex_);
  faults_.failNextAfterWriting(operation, pathPattern, error, keptBytes);
}

void FakeFileSystem::clearFaults() {
  std::lock_guard lock(mutex_);
  faults_.clear();
}

FakeFileNode& FakeFileSystem::mustFind(std::string_view path) {
  auto parsed = ParseWindowsPath(path);
  FakeFileNode* node = parsed ? tree_.find(*parsed) : nullptr;
  if (node == nullptr) throw std::logic_error("FakeFileSystem: no such path: " + std::string(path));
  return *node;
}

void FakeFileSystem::setReadOnly(std::string_view path, bool readOnly) {
  std::lock_guard lock(mutex_);
  mustFind(path).readOnly = readOnly;
}

bool FakeFileSystem::exists(std::string_view path) {
  std::lock_guard lock(mutex_);
  auto parsed = ParseWindowsPath(path);
  return parsed && tree_.find(*parsed) != nullptr;
}

std::optional<std::string> FakeFileSystem::contentOf(std::string_view path) {
  std::lock_guard lock(mutex_);
  auto parsed = ParseWindowsPath(path);
  FakeFileNode* node = parsed ? tree_.find(*parsed) : nullptr;
  if (node == nullptr || node->isFolder) return std::nullopt;
  return node->content;
}

FakeFileNode& FakeFileSystem::makeFolders(const WindowsPath& path, std::size_t nameCount) {
  WindowsPath prefix{path.root, {}, false};
  FakeFileNode* folder = tree_.find(prefix);
  for (std::size_t i = 0; i < nameCount; ++i) {
    FakeFileNode* next = tree_.child(*folder, path.names[i]);
    if (next == nullptr) next = &tree_.add(*folder, path.names[i], true, clock_.localNow());
    if (!next->isFolder) throw std::logic_error("FakeFileSystem: a file is in the way");
    folder = next;
  }
  return *folder;
}

void FakeFileSystem::putFile(std::string_view path, std::string_view bytes) {
  std::lock_guard lock(mutex_);
  auto parsed = ParseWindowsPath(path);
  if (!parsed || parsed->names.empty() || parsed->trailingSeparator) {
    throw std::logic_error("FakeFileSystem: not a file path: " + std::string(path));
  }
  FakeFileNode& folder = makeFolders(*parsed, parsed->names.size() - 1);
  FakeFileNode* node = tree_.child(folder, parsed->names.back());
  DateTime now = clock_.localNow();
  if (node == nullptr) node = &tree_.add(folder, parsed->names.back(), false, now);
  if (node->isFolder) throw std::logic_error("FakeFileSystem: a folder is in the way");
  node->content.assign(bytes);
  node->lastWritten = now;
}

void FakeFileSystem::putFolder(std::string_view path) {
  std::lock_guard lock(mutex_);
  auto parsed = ParseWindowsPath(path);
  if (!parsed) throw std::logic_error("FakeFileSystem: not a path: " + std::string(path));
  makeFolders(*parsed, parsed->names.size());
}

std::vector<FileCall> FakeFileSystem::calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

void FakeFileSystem::clearCalls() {
  std::lock_guard lock(mutex_);
  calls_.clear();
}

}  // namespace qb
