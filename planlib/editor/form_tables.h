// The tables the settings dialogs are built from: each element's field, the fields a block or
// condition kind shows differently, the blocks without settings, and the checks of OK.
#pragma once
#include <string_view>
#include <vector>

#include "planlib/editor/form_description.h"

namespace qb::form_tables {

// The field an element has in every kind, unless the kind says otherwise. Null when unknown.
const FormField* ElementField(std::string_view element);

// The field of `element` in the kind with this tag ("INSERT", "CONDITION_K1"); null when the
// kind shows the element's ordinary field.
const FormField* KindField(std::string_view tag, std::string_view element);

// The blocks that only confirm: every element is fixed to its default.
bool WithoutSettings(std::string_view tag);

// The checks of OK for the kind with this tag, in order.
std::vector<FormRule> Rules(std::string_view tag);

}  // namespace qb::form_tables
