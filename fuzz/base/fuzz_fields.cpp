// SplitFields/JoinFields round trip and Shift-JIS walkers staying in bounds, on any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/byte_shift.h"
#include "base/preview.h"
#include "base/records.h"
#include "base/sjis.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckFields(std::string_view text, std::size_t maxFields) {
  const auto fields = qb::SplitFields(text, maxFields);
  Check(!fields.empty());
  if (maxFields != 0) Check(fields.size() <= maxFields);
  Check(qb::JoinFields(fields) == text);
  // Every field but a maxFields-limited last one is free of separators.
  for (std::size_t i = 0; i < fields.size(); ++i) {
    bool limitedLast = maxFields != 0 && i + 1 == maxFields;
    if (!limitedLast) Check(fields[i].find(qb::kFieldSeparator) == std::string::npos);
  }
}

void CheckSjis(std::string_view text) {
  const std::size_t size = text.size();
  std::size_t count = 0;
  std::size_t pos = 0;
  while (pos < size) {
    std::size_t length = qb::SjisCharLength(text, pos);
    Check(length == 1 || length == 2);
    Check(pos + length <= size);
    Check(qb::SjisCharToByte(text, count) == pos);
    Check(!qb::IsSjisTrailPosition(text, pos));
    if (length == 2) Check(qb::IsSjisTrailPosition(text, pos + 1));
    pos += length;
    ++count;
  }
  Check(pos == size);
  Check(qb::SjisCharLength(text, size) == 0);
  Check(qb::SjisCharCount(text) == count);
  Check(qb::SjisCharToByte(text, count) == size);
  Check(qb::SjisCharToByte(text, count + 5) == size);
  Check(qb::HalfWidthLength(text) <= 2 * count);
  Check(qb::SjisByteToChar(text, size) == count);

  // The quadratic walkers: only at a few positions.
  for (std::size_t probe : {std::size_t{0}, size / 3, size / 2, size > 0 ? size - 1 : 0}) {
    if (probe >= size) continue;
    std::size_t index = qb::SjisByteToChar(text, probe);
    Check(index < count);
    std::size_t start = qb::SjisCharToByte(text, index);
    Check(start <= probe && probe < start + qb::SjisCharLength(text, start));

    const std::string cut = qb::CutBytes(text, probe);
    Check(cut.size() == probe && text.substr(0, probe) == cut);
    const std::string whole = qb::CutBytesWhole(text, probe);
    Check(whole.size() <= probe && whole.size() + 1 >= probe);
    Check(text.substr(0, whole.size()) == whole);
    Check(!qb::IsSjisTrailPosition(text, whole.size()));
  }
  Check(qb::CutBytesWhole(text, size + 1) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (std::size_t maxFields : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{3}}) {
    CheckFields(text, maxFields);
  }
  if (size > 0) CheckFields(text.substr(1), data[0] % 16);
  CheckSjis(text);

  Check(qb::ShiftBytesDown(qb::ShiftBytesUp(text)) == text);
  const std::string preview = qb::MakePreview(text);
  Check(preview.size() == (size > qb::kPreviewBytes ? qb::kPreviewBytes + 3 : size));
  return 0;
}
