// Control identifiers of the dialog windows (the tests find the controls by them).
#pragma once

namespace qb::dialog_ids {

// "履歴タブオプション設定"
inline constexpr int kTwoChoicePrompt = 100;
inline constexpr int kTwoChoiceFirst = 101;
inline constexpr int kTwoChoiceSecond = 102;

// The partial selection.
inline constexpr int kPartialText = 200;
inline constexpr int kPartialMode = 201;
inline constexpr int kPartialEnter = 202;  // command: Enter in the text (code 1: Ctrl held)

// "貼付時入力": fields kInputField + 0..4, their labels kInputLabel + 0..4.
inline constexpr int kInputField = 300;
inline constexpr int kInputLabel = 310;
inline constexpr int kInputPreviewLabel = 320;
inline constexpr int kInputPreview = 321;
inline constexpr unsigned kInputUpdateTimer = 1;

// The content view.
inline constexpr int kContentText = 400;
inline constexpr int kContentSize = 401;

// The import of a file.
inline constexpr int kImportFileName = 500;
inline constexpr int kImportFullPath = 501;
inline constexpr int kImportContents = 502;
inline constexpr int kImportPathLabel = 503;
inline constexpr int kImportPath = 504;
inline constexpr int kImportBrowse = 505;

// "埋め込みマクロ設定"
inline constexpr int kMacroKindLabel = 600;
inline constexpr int kMacroKind = 601;
inline constexpr int kMacroDefine = 602;
inline constexpr int kMacroFormatLabel = 603;
inline constexpr int kMacroFormats = 604;
inline constexpr int kMacroPreviewLabel = 605;
inline constexpr int kMacroPreview = 606;
inline constexpr int kMacroExplanation = 607;

// "日時マクロ定義"; the part commands are kSysdatePartCommand + the entry's number in the
// menus of SysdateEditorModel::partMenus(), counted through all menus.
inline constexpr int kSysdateDefinitions = 700;
inline constexpr int kSysdateDelete = 701;
inline constexpr int kSysdateArea = 702;
inline constexpr int kSysdatePartCommand = 1000;
inline constexpr int kSysdateRemovePart = 1900;
inline constexpr int kSysdateUndo = 1901;
inline constexpr int kSysdateCut = 1902;
inline constexpr int kSysdateCopy = 1903;
inline constexpr int kSysdatePaste = 1904;
inline constexpr int kSysdateClear = 1905;
inline constexpr int kSysdateSelectAll = 1906;

// The plan selection window.
inline constexpr int kPlanChoiceNote = 800;
inline constexpr int kPlanChoiceList = 801;

}  // namespace qb::dialog_ids
