#include "history/exact_companion.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>

#include "base/utf8.h"

namespace qb {
namespace {

constexpr std::string_view kMagic = "QBEXACT1 ";
constexpr std::size_t kMaxHeaderBytes = 64;

std::uint64_t Fnv1a64(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

std::string Header(std::string_view value) {
  char header[kMaxHeaderBytes];
  std::snprintf(header, sizeof header, "%.*s%llu %016llx\r\n", static_cast<int>(kMagic.size()),
                kMagic.data(), static_cast<unsigned long long>(value.size()),
                static_cast<unsigned long long>(Fnv1a64(value)));
  return header;
}

// Names compared as the file system does: ASCII case ignored.
struct Caseless {
  bool operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
      return lower(x) < lower(y);
    });
  }
};

}  // namespace

std::string CompanionPathOf(std::string_view itemPath) {
  std::size_t slash = itemPath.rfind('\\');
  std::size_t dot = itemPath.rfind('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    dot = itemPath.size();
  }
  return std::string(itemPath.substr(0, dot)) + std::string(kExactCompanionExtension);
}

std::string BuildExactCompanion(std::string_view value, std::string_view exact) {
  return Header(value) + std::string(exact);
}

std::optional<std::string> ParseExactCompanion(std::string_view content, std::string_view value) {
  const std::string header = Header(value);
  if (content.size() <= header.size() || content.substr(0, header.size()) != header) {
    return std::nullopt;
  }
  std::string_view exact = content.substr(header.size());
  if (exact.size() > kMaxExactBytes || !IsWellFormedUtf8(exact)) return std::nullopt;
  return std::string(exact);
}

std::string KeepableExactForm(std::string_view value, std::string_view exact) {
  if (exact.empty() || exact == value || exact.size() > kMaxExactBytes ||
      !IsWellFormedUtf8(exact)) {
    return {};
  }
  return std::string(exact);
}

bool ExactCompanions::write(std::string_view itemPath, std::string_view value,
                            std::string_view exact, DateTime now) {
  const std::string path = CompanionPathOf(itemPath);
  if (!fs_.writeAtomically(path, BuildExactCompanion(value, exact), now)) return true;
  // A companion of an earlier item under this name must not stay: it was written for another
  // value, which its header tells, but it would linger.
  fs_.remove(path);
  return false;
}

std::string ExactCompanions::read(std::string_view itemPath, std::string_view value) {
  const std::string path = CompanionPathOf(itemPath);
  FileResult<std::string> content = fs_.readHead(path, kMaxExactBytes + kMaxHeaderBytes + 1);
  if (!content.ok()) return {};
  if (std::optional<std::string> exact = ParseExactCompanion(*content.value, value)) {
    return std::move(*exact);
  }
  fs_.remove(path);
  return {};
}

void ExactCompanions::remove(std::string_view itemPath) {
  const std::string path = CompanionPathOf(itemPath);
  if (fs_.attributes(path)) fs_.remove(path);
}

std::vector<std::string> ExactCompanions::keepOnlyThoseOf(std::string_view folder,
                                                          const std::vector<std::string>& items) {
  std::map<std::string, const std::string*, Caseless> itemOfCompanion;
  for (const std::string& item : items) itemOfCompanion.emplace(CompanionPathOf(item), &item);
  std::vector<std::string> withCompanion;
  const std::string prefix = std::string(folder) + "\\";
  for (const FileEntry& file : fs_.list(prefix + "*" + std::string(kExactCompanionExtension))) {
    if (file.isFolder) continue;
    auto item = itemOfCompanion.find(file.name);
    if (item == itemOfCompanion.end()) {
      fs_.remove(prefix + file.name);  // its item is gone
      continue;
    }
    withCompanion.push_back(*item->second);
  }
  return withCompanion;
}

}  // namespace qb
