// The text of "Quillboxについて...": the product, its version (the project's one version number)
// and where this run keeps its data.
#pragma once
#include <string>
#include <string_view>

namespace qb {

std::string AboutText(std::string_view dataHomeFolder);

}  // namespace qb
