// Control identifiers of the Save tab's dialogs (the tests find the controls by them).
#pragma once

namespace qb::dialog_ids {

// "Quillbox＜変更＞"
inline constexpr int kChangeLabelCaption = 800;
inline constexpr int kChangeLabel = 801;
inline constexpr int kChangeValueCaption = 802;
inline constexpr int kChangeValue = 803;
inline constexpr int kChangeNote = 804;
inline constexpr int kChangeSeparator = 805;       // "セパレータ挿入▼"
inline constexpr int kChangeInsertMacro = 810;     // "埋め込みマクロの挿入..."
inline constexpr int kChangeDeleteMacro = 811;     // "埋め込みマクロの削除"
inline constexpr int kChangeUndo = 812;
inline constexpr int kChangeCut = 813;
inline constexpr int kChangeCopy = 814;
inline constexpr int kChangePaste = 815;
inline constexpr int kChangeClear = 816;
inline constexpr int kChangeSelectAll = 817;
inline constexpr int kChangeSeparatorFirst = 820;  // + the separator's index

// "Quillbox＜保存＞"
inline constexpr int kSaveLabelCaption = 900;
inline constexpr int kSaveLabel = 901;

}  // namespace qb::dialog_ids
