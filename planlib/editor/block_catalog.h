// The "操作ブロック選択" dialog as data: the categories in their order, and each block kind's
// category and summary.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qb {

inline constexpr std::string_view kBlockChoicePrompt =
    "作成する操作ブロックを選択してください。操作ブロックはグループ分けされています。";

struct CatalogEntry {
  std::string_view tag;       // "CONDITION"
  std::string_view category;  // "条件"
  std::string summary;        // "【条件】　条件に一致した場合に、…"
};

// The nineteen categories in the order the list shows them.
const std::vector<std::string_view>& BlockCategories();
// Every block kind, in the order of the block-kind table.
const std::vector<CatalogEntry>& BlockCatalog();
// The entries of one category, in the order of the block-kind table.
std::vector<const CatalogEntry*> BlocksOfCategory(std::string_view category);
const CatalogEntry* FindCatalogEntry(std::string_view tag);

}  // namespace qb
