// Fills the "%d" conversions of a key pattern or a numbered default name ("CLIPDIR_AR%0d=",
// "DisabledAp%02d=", "SANSYO_TEXT%1d_DIR%1d=", "保存グループ%d").
#pragma once
#include <string>
#include <string_view>

namespace qb {

// Each "%[0][width]d" takes the next number: `first`, then `second`; a width pads with zeros
// when the '0' flag is given and with spaces otherwise, as printf does. Any other '%' stays.
std::string FormatIndexed(std::string_view pattern, int first, int second = 0);

}  // namespace qb
