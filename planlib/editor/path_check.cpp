#include "planlib/editor/path_check.h"

#include <vector>

#include "base/sjis.h"

namespace qb {

namespace {

constexpr std::string_view kDataHome = "<$データホームフォルダ>";
constexpr std::string_view kBadBackslash = "\\ が適切な箇所に存在しません　";
constexpr std::string_view kBadPath = "パスが適切ではありません　";
constexpr std::string_view kBadFileName = "ファイル名に誤りがあります　";

bool IsFolder(FieldKind kind) { return kind == FieldKind::FolderPath; }

std::string_view EmptyMessage(FieldKind kind) {
  if (kind == FieldKind::ApplicationPath) return "アプリケーションが指定されていません　";
  if (IsFolder(kind)) return "フォルダが指定されていません　";
  return "ファイルが指定されていません　";
}

// The path split at its backslashes, character by character (a trail byte is never one).
std::vector<std::string_view> Segments(std::string_view path) {
  std::vector<std::string_view> segments;
  std::size_t start = 0;
  for (std::size_t at = 0; at < path.size(); at += SjisCharLength(path, at)) {
    if (path[at] == '\\') {
      segments.push_back(path.substr(start, at - start));
      start = at + 1;
    }
  }
  segments.push_back(path.substr(start));
  return segments;
}

bool HasSingleByte(std::string_view text, std::string_view set) {
  for (std::size_t at = 0; at < text.size(); at += SjisCharLength(text, at)) {
    if (SjisCharLength(text, at) == 1 && set.find(text[at]) != std::string_view::npos) return true;
  }
  return false;
}

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The segments after the root, or a message: the root is the data-home name, a drive or a server.
std::string SplitRoot(std::string_view path, std::vector<std::string_view>& rest) {
  std::vector<std::string_view> segments = Segments(path);
  std::size_t first = 1;
  if (path.starts_with(kDataHome)) {
    if (segments[0] != kDataHome) return std::string(kBadBackslash);
  } else if (path.starts_with("\\\\")) {
    // "", "", server, share, …
    if (segments.size() < 4 || segments[2].empty()) return std::string(kBadBackslash);
    first = 3;
  } else if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':') {
    if (segments[0].size() != 2 || segments.size() < 2) return std::string(kBadBackslash);
  } else {
    return std::string(kBadPath);
  }
  rest.assign(segments.begin() + static_cast<std::ptrdiff_t>(first), segments.end());
  return {};
}

bool IsBadName(std::string_view name) {
  return name == "." || name == ".." || name.back() == '.' || name.back() == ' ';
}

}  // namespace

std::string CheckPath(FieldKind kind, std::string_view path) {
  if (path.empty()) return std::string(EmptyMessage(kind));
  std::string_view checked = path.starts_with(kDataHome) ? path.substr(kDataHome.size()) : path;
  if (HasSingleByte(checked, "*?|<>")) {
    return IsFolder(kind) ? "フォルダに不正な文字（ * ? | < > ）が含まれています　"
                          : "ファイル名またはパスに不正な文字（ * ? | < > ）が含まれています　";
  }
  std::vector<std::string_view> rest;
  std::string rootMessage = SplitRoot(path, rest);
  if (!rootMessage.empty()) return rootMessage;
  // A folder may end with a backslash ("C:\", "C:\data\"); nothing else may be empty.
  if (IsFolder(kind) && !rest.empty() && rest.back().empty()) rest.pop_back();
  if (!IsFolder(kind) && rest.empty()) return std::string(kBadBackslash);
  for (std::size_t i = 0; i < rest.size(); ++i) {
    bool last = i + 1 == rest.size();
    if (rest[i].empty()) return std::string(kBadBackslash);
    if (HasSingleByte(rest[i], ":/\"")) return std::string(last && !IsFolder(kind) ? kBadFileName : kBadPath);
    if (IsBadName(rest[i]) && !(rest[i] == ".." && !last)) {
      return std::string(last && !IsFolder(kind) ? kBadFileName : kBadPath);
    }
  }
  return {};
}

DropOutcome TakeDrop(FieldKind kind, const std::vector<DroppedItem>& items) {
  bool folder = IsFolder(kind);
  if (items.size() != 1) {
    if (kind == FieldKind::ApplicationPath) return {false, {}, "ドロップできるのは１つです　"};
    return {false, {}, folder ? "ドロップできるのは１フォルダです　" : "ドロップできるのは１ファイルです　"};
  }
  if (items[0].folder != folder) {
    return {false, {}, folder ? "フォルダを指定してください　" : "ファイルを指定してください　"};
  }
  return {true, items[0].path, {}};
}

}  // namespace qb
