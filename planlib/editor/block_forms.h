// The settings dialog of every block kind and condition kind, built from the block-kind table and
// the form tables; reading a block's values from its text, writing them back, and OK's checks.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "planlib/editor/block_writer.h"
#include "planlib/editor/edit_result.h"
#include "planlib/editor/form_description.h"

namespace qb {

// One per block kind, in the order of the block-kind table.
const std::vector<ElementForm>& BlockForms();
const ElementForm* FindBlockForm(std::string_view tag);
// One per condition kind, CONDITION_K1 … CONDITION_K7.
const std::vector<ElementForm>& ConditionForms();
const ElementForm* FindConditionForm(int number);

// The values of a new block: every field at its default.
BlockValues DefaultValues(const ElementForm& form);

struct FormReading {
  bool ok = false;
  std::string message;  // "操作ブロック解析中にエラーが発生しました（CLoop::m_BlockSet）　"
  BlockValues values;
};
// Reads the form's elements from a block's value (a container's settings element, or a
// condition's text).
FormReading ReadForm(const ElementForm& form, std::string_view value);

// The block written alone in element order (hidden elements at their fixed values); for a
// condition, the condition element. `conditions` follows a condition block's elements.
std::string WriteForm(const ElementForm& form, const BlockValues& values, std::string_view conditions = {});

// OK's checks in order: the reserved word in any text field, the kind's rules, the path fields.
EditResult CheckForm(const ElementForm& form, const BlockValues& values);

// Whether a field counts with these values (its activeWhen choice is set).
bool IsActive(const WhenCodes& when, const BlockValues& values);

// The block list's description of the block these values write ("説明").
std::string DescribeForm(const ElementForm& form, const BlockValues& values, std::string_view conditions = {});

}  // namespace qb
