// The texts the capture benchmark puts on the clipboard and how it recognises them in item files:
// every text says its own length ("qbtext:<length>:" then filler), so a stored value that was
// cut or mixed with another one is told from a whole one.
#pragma once
#include <optional>
#include <string>

namespace qb::bench {

// A text of about `size` bytes (ASCII, so the same bytes in Shift-JIS) carrying `tag`.
std::string MakeBenchText(const std::string& tag, std::size_t size);
// True when the value is one whole bench text.
bool IsWholeBenchText(const std::string& value);

// One History item file as read from disk, the byte shift undone.
struct StoredItem {
  std::string fileName;
  std::string value;
  bool whole = false;  // a record of the form the program writes, owned by `owner`, with a whole text
};

// The unshifted record's parts; empty when it is not a History record.
std::optional<std::string> ValueOfRecord(const std::string& record, const std::string& owner);

}  // namespace qb::bench
