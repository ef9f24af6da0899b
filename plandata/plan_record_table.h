// A set of standard plans as the library hands them out: a table of 50 records, the first ones
// filled, the rest empty.
#pragma once
#include <array>
#include <string>
#include <string_view>

namespace qb {

class PlanRecordTable {
 public:
  static constexpr int kSize = 50;

  // Adds name ":::" version ":::0000000000:::0:::0:::" plan text as the next entry.
  void add(std::string_view name, std::string_view version, std::string_view planText);

  // Copies entry `index` with its NUL into `buffer` and sets *end to 0; sets *end to 1 for an
  // empty entry or an index outside the table. Always 0.
  int deliver(int index, int* end, char* buffer) const;

 private:
  std::array<std::string, kSize> records_;
  int count_ = 0;
};

}  // namespace qb
