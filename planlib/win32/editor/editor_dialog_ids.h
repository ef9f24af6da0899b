// Control ids of the plan editor's windows (the Windows tests and the end-to-end driver find the
// controls by them).
#pragma once

namespace qb::editor_dialog_ids {

// A block's or a condition's settings dialog. Field n (in element order, shown or not) has its
// label at kFieldFirst + n * kFieldStride, its control one above and its browse button two above.
inline constexpr int kFieldFirst = 2000;
inline constexpr int kFieldStride = 4;
inline constexpr int kFieldControl = 1;
inline constexpr int kFieldBrowse = 2;
inline constexpr int kFormSummary = 1900;  // the block's summary in the confirmation dialog
inline constexpr int kFormDescriptionLabel = 1901;
inline constexpr int kFormDescription = 1902;  // "説明"
inline constexpr int kConditionList = 1910;
inline constexpr int kConditionAdd = 1911;
inline constexpr int kConditionChange = 1912;
inline constexpr int kConditionDelete = 1913;

// "条件種類選択"
inline constexpr int kConditionKindHeading = 1920;
inline constexpr int kConditionKindList = 1921;

inline constexpr int FieldControl(int field) { return kFieldFirst + field * kFieldStride + kFieldControl; }
inline constexpr int FieldBrowse(int field) { return kFieldFirst + field * kFieldStride + kFieldBrowse; }

}  // namespace qb::editor_dialog_ids
