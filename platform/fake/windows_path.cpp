#include "platform/fake/windows_path.h"

#include <cstring>

#include "base/sjis.h"

namespace qb {
namespace {

// The text split at backslashes that are characters of their own.
std::vector<std::string> SplitAtSeparators(std::string_view text) {
  std::vector<std::string> pieces(1);
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = SjisCharLength(text, pos);
    if (length == 1 && text[pos] == '\\') {
      pieces.emplace_back();
    } else {
      pieces.back().append(text.substr(pos, length));
    }
    pos += length;
  }
  return pieces;
}

bool IsValidName(std::string_view name, bool wildcardsAllowed) {
  for (std::size_t pos = 0; pos < name.size();) {
    std::size_t length = SjisCharLength(name, pos);
    if (length == 1) {
      unsigned char byte = static_cast<unsigned char>(name[pos]);
      if (byte < 0x20 || std::strchr("<>:\"/|", byte) != nullptr) return false;
      if ((byte == '?' || byte == '*') && !wildcardsAllowed) return false;
    }
    pos += length;
  }
  return true;
}

bool IsDriveRoot(std::string_view text) {
  if (text.size() < 2 || text[1] != ':') return false;
  char letter = text[0];
  return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
}

// Takes "\\server\share" off the front of `pieces` (the split of the text after "\\").
bool TakeUncRoot(std::vector<std::string>& pieces, std::string& root) {
  if (pieces.size() < 2 || pieces[0].empty() || pieces[1].empty()) return false;
  if (!IsValidName(pieces[0], false) || !IsValidName(pieces[1], false)) return false;
  root = "\\\\" + pieces[0] + "\\" + pieces[1];
  pieces.erase(pieces.begin(), pieces.begin() + 2);
  return true;
}

bool AddNames(const std::vector<std::string>& pieces, WildcardUse wildcards, WindowsPath& path) {
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const std::string& name = pieces[i];
    bool last = i + 1 == pieces.size();
    if (name.empty()) {
      if (last && i > 0) path.trailingSeparator = true;
      continue;
    }
    if (!IsValidName(name, last && wildcards == WildcardUse::kInLastName)) return false;
    if (name == ".") continue;
    if (name == "..") {
      if (!path.names.empty()) path.names.pop_back();
      continue;
    }
    path.names.push_back(name);
  }
  return true;
}


}  // namespace

std::optional<WindowsPath> ParseWindowsPath(std::string_view text, WildcardUse wildcards) {
  WindowsPath path;
  std::vector<std::string> pieces;
  if (text.size() >= 2 && text[0] == '\\' && text[1] == '\\') {
    pieces = SplitAtSeparators(text.substr(2));
    if (!TakeUncRoot(pieces, path.root)) return std::nullopt;
    pieces.insert(pieces.begin(), std::string());  // the separator after the share, if any
  } else if (IsDriveRoot(text)) {
    path.root = std::string(text.substr(0, 2));
    if (text.size() == 2) return path;
    if (text[2] != '\\') return std::nullopt;  // "C:name" is relative to a current folder
    pieces = SplitAtSeparators(text.substr(2));
  } else {
    return std::nullopt;
  }
  if (!AddNames(pieces, wildcards, path)) return std::nullopt;
  return path;
}

std::string PathKey(const WindowsPath& path) { return PathKey(path, path.names.size()); }

std::string PathKey(const WindowsPath& path, std::size_t nameCount) {
  std::string key = FoldAsciiCase(path.root);
  for (std::size_t i = 0; i < nameCount && i < path.names.size(); ++i) {
    key += '\\';
    key += FoldAsciiCase(path.names[i]);
  }
  return key;
}

}  // namespace qb
