// Waiting for the program to store a copied text as a History item file.
#pragma once
#include <string>
#include <vector>

namespace qb::e2e {

// The logon name as the program stores it as owner: GetUserNameW in Shift-JIS, "Default" when
// it cannot be read.
std::string ownerName();

// Waits until <folder>\<name> exists and holds a record whose value is `value` (Shift-JIS);
// returns the unshifted content.
std::string waitForHistoryItem(const std::wstring& folder, const std::wstring& name,
                               const std::string& value);

// Waits until a history file that is not in `before` holds `value`; returns its name.
std::wstring waitForNewHistoryItem(const std::wstring& folder,
                                   const std::vector<std::wstring>& before,
                                   const std::string& value);

// Checks that the unshifted content is exactly a fresh record of `value` by ownerName().
void expectFreshRecord(const std::wstring& name, const std::string& content,
                       const std::string& value);

}  // namespace qb::e2e
