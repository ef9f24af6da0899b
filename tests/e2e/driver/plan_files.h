// The plan groups of a data home as they lie on disk: <data home>Plan\PlanDir%02d\PLAN%03d.cln,
// each a byte-shifted record name ":::" version ":::" attributes ":::0:::0:::" plan text.
#pragma once
#include <string>
#include <vector>

namespace qb::e2e {

std::wstring planGroupFolder(const std::wstring& dataHome, int group);
// The plan names of the group's files (Shift-JIS converted), in file-name order.
std::vector<std::wstring> planNamesOnDisk(const std::wstring& dataHome, int group);
// The file of the group whose plan has this name; empty when there is none.
std::wstring planFileNamed(const std::wstring& dataHome, int group, const std::wstring& name);

}  // namespace qb::e2e
