// The content of a creation-time substitute file, UTF-16LE with a byte-order mark, so that any
// name the file system can hold is kept exactly. It is a journal of lines, each ending in
// "\r\n": "<UTC FILETIME ticks>\t<file name>" records a file's creation time, "-\t<file name>"
// says the file is gone; for one name the later line wins. Changes are appended; a file that
// has gathered many replaced lines is written again with one line per file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qb {

struct CreationRecord {
  std::wstring name;  // as written
  std::uint64_t created = 0;
};

// Keyed by CaseKey(name): names are compared the way the file system compares them.
using CreationRecords = std::map<std::wstring, CreationRecord>;

// A whole file: the byte-order mark and one line per record.
std::string EncodeCreationRecords(const CreationRecords& records);
// One journal line (no byte-order mark): the creation time of `name`, or, without one, that
// the file is gone.
std::string EncodeCreationLine(std::wstring_view name, std::optional<std::uint64_t> created);

struct CreationJournal {
  CreationRecords records;
  std::size_t lines = 0;  // lines read, replaced and malformed ones included
  // False when the file ends inside a line or a character (a write cut short): the next
  // change writes the whole file again instead of appending to the broken end.
  bool appendable = true;
};

// Lines that have neither form above are left out.
CreationJournal DecodeCreationJournal(std::string_view bytes);
inline CreationRecords DecodeCreationRecords(std::string_view bytes) {
  return DecodeCreationJournal(bytes).records;
}

}  // namespace qb
