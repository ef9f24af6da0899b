#include "platform/fake/fake_file_tree.h"

#include <algorithm>

namespace qb {

FakeFileNode& FakeFileTree::root(std::string_view rootText) {
  auto& slot = roots_[FoldAsciiCase(rootText)];
  if (!slot) {
    slot = std::make_unique<FakeFileNode>();
    slot->name = std::string(rootText);
    slot->isFolder = true;
  }
  return *slot;
}

FakeFileNode* FakeFileTree::walk(const WindowsPath& path, std::size_t nameCount) {
  FakeFileNode* node = &root(path.root);
  for (std::size_t i = 0; i < nameCount; ++i) {
    if (!node->isFolder) return nullptr;
    node = child(*node, path.names[i]);
    if (node == nullptr) return nullptr;
  }
  return node;
}

FakeFileNode* FakeFileTree::find(const WindowsPath& path) {
  return walk(path, path.names.size());
}

FakeFileNode* FakeFileTree::parentOf(const WindowsPath& path) {
  if (path.names.empty()) return nullptr;
  FakeFileNode* parent = walk(path, path.names.size() - 1);
  return parent != nullptr && parent->isFolder ? parent : nullptr;
}

FakeFileNode* FakeFileTree::child(FakeFileNode& folder, std::string_view name) {
  auto it = folder.children.find(FoldAsciiCase(name));
  return it == folder.children.end() ? nullptr : it->second.get();
}

FakeFileNode& FakeFileTree::add(FakeFileNode& folder, std::string_view name, bool isFolder,
                                const DateTime& now) {
  auto node = std::make_unique<FakeFileNode>();
  node->isFolder = isFolder;
  node->created = now;
  node->lastWritten = now;
  FakeFileNode& added = *node;
  attach(folder, std::move(node), name);
  return added;
}

std::unique_ptr<FakeFileNode> FakeFileTree::detach(FakeFileNode& folder, std::string_view name) {
  auto it = folder.children.find(FoldAsciiCase(name));
  if (it == folder.children.end()) return nullptr;
  std::unique_ptr<FakeFileNode> node = std::move(it->second);
  folder.children.erase(it);
  return node;
}

void FakeFileTree::attach(FakeFileNode& folder, std::unique_ptr<FakeFileNode> node,
                          std::string_view name) {
  node->name = std::string(name);
  node->order = nextOrder_++;
  folder.children[FoldAsciiCase(name)] = std::move(node);
}

std::vector<const FakeFileNode*> FakeFileTree::childrenInOrder(const FakeFileNode& folder) {
  std::vector<const FakeFileNode*> children;
  children.reserve(folder.children.size());
  for (const auto& [key, node] : folder.children) children.push_back(node.get());
  std::sort(children.begin(), children.end(),
            [](const FakeFileNode* a, const FakeFileNode* b) { return a->order < b->order; });
  return children;
}

}  // namespace qb
