// Control identifiers of the Save and related-files tab views (the end-to-end driver finds the
// controls by them).
#pragma once

namespace qb {

// The Save tab: its panel, the group combo box, the bar's buttons, its list and explanation.
inline constexpr int kSaveViewId = 2100;
inline constexpr int kSaveGroupComboId = 2101;
inline constexpr int kSaveSortButtonId = 2102;    // "並替▼"
inline constexpr int kSaveNewButtonId = 2103;     // "新規..."
inline constexpr int kSaveChangeButtonId = 2104;  // "変更..."
inline constexpr int kSaveImportButtonId = 2105;  // "取込..."
inline constexpr int kSaveDeleteButtonId = 2106;  // "削除"
inline constexpr int kSaveListId = 2110;
inline constexpr int kSaveExplanationId = 2111;

// A related-files tab t: its panel kRelatedViewFirstId + t; inside it the same ids for each tab.
inline constexpr int kRelatedViewFirstId = 2200;
inline constexpr int kRelatedComboId = 2211;
inline constexpr int kRelatedSortButtonId = 2212;  // "並替▼"
inline constexpr int kRelatedLinkButtonId = 2213;  // "関連付け▼"
inline constexpr int kRelatedListId = 2220;
inline constexpr int kRelatedExplanationId = 2221;

}  // namespace qb
