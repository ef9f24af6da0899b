// The content of a creation-time substitute file: one line per file of the folder,
// "<UTC FILETIME ticks>\t<file name>\r\n", UTF-16LE with a byte-order mark, so that any name the
// file system can hold is kept exactly.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace qb {

struct CreationRecord {
  std::wstring name;  // as written
  std::uint64_t created = 0;
};

// Keyed by CaseKey(name): names are compared the way the file system compares them.
using CreationRecords = std::map<std::wstring, CreationRecord>;

std::string EncodeCreationRecords(const CreationRecords& records);

// Lines that do not have the form above are left out.
CreationRecords DecodeCreationRecords(std::string_view bytes);

}  // namespace qb
