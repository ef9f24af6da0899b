#include "platform/win32/creation_time_records.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/win32/wide_path.h"

namespace qb {
namespace {

std::string Utf16Bytes(std::wstring_view text) {
  std::string bytes(text.size() * sizeof(wchar_t), '\0');
  std::memcpy(bytes.data(), text.data(), bytes.size());
  return bytes;
}

CreationRecords Records(std::initializer_list<CreationRecord> list) {
  CreationRecords records;
  for (const CreationRecord& record : list) records[CaseKey(record.name)] = record;
  return records;
}

TEST(CreationTimeRecords, NamesAndTicksRoundTripExactly) {
  // A name that code page 932 cannot hold, one with backslash trail bytes, the largest ticks.
  CreationRecords records = Records({{L"SAVE0001.cln", 126227808000000000ull},
                                     {L"表示ソ.cln", 1ull},
                                     {L"caf\u00E9 x.cln", 18446744073709551615ull}});
  CreationRecords decoded = DecodeCreationRecords(EncodeCreationRecords(records));
  ASSERT_EQ(decoded.size(), 3u);
  for (const auto& [key, record] : records) {
    ASSERT_EQ(decoded.count(key), 1u);
    EXPECT_EQ(decoded[key].name, record.name);
    EXPECT_EQ(decoded[key].created, record.created);
  }
}

TEST(CreationTimeRecords, NamesAreFoundInAnyCase) {
  CreationRecords decoded =
      DecodeCreationRecords(Utf16Bytes(L"5\tSave0001.CLN\r\n7\tsave0001.cln\r\n"));
  ASSERT_EQ(decoded.size(), 1u);
  EXPECT_EQ(decoded.begin()->first, CaseKey(L"SAVE0001.CLN"));
  EXPECT_EQ(decoded.begin()->second.created, 7u);  // the later line wins
}

TEST(CreationTimeRecords, MalformedLinesAreLeftOut) {
  std::wstring text = L"\uFEFF"
                      L"12\tgood.cln\r\n"
                      L"no tab here\r\n"
                      L"12x\tbad digits.cln\r\n"
                      L"\tno ticks.cln\r\n"
                      L"99\t\r\n"
                      L"18446744073709551616\ttoo large.cln\r\n"
                      L"34\tlast.cln";  // the last line needs no line end
  CreationRecords decoded = DecodeCreationRecords(Utf16Bytes(text) + "x");  // and an odd byte
  ASSERT_EQ(decoded.size(), 2u);
  EXPECT_EQ(decoded[CaseKey(L"good.cln")].created, 12u);
  EXPECT_EQ(decoded[CaseKey(L"last.cln")].created, 34u);
}

TEST(CreationTimeRecords, NothingDecodesToNoRecords) {
  EXPECT_TRUE(DecodeCreationRecords("").empty());
  EXPECT_TRUE(DecodeCreationRecords(EncodeCreationRecords({})).empty());
}

}  // namespace
}  // namespace qb
