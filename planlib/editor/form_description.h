// The description of a settings dialog, derived from the block-kind table: its fields in element
// order, what kind of field each is, the option choices with their labels, and the checks OK makes.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qb {

enum class FieldKind {
  Text,
  MultilineText,
  Number,
  Choice,           // one of `choices`
  Check,            // "1" checked, "0" not
  OpenFilePath,     // a file that is read or opened ("ファイルの選択")
  SaveFilePath,     // a file that is written ("ファイル名を付けて保存")
  FolderPath,       // "フォルダを選択してください。"
  ApplicationPath,  // "アプリケーションの選択"
  Fixed,            // not shown; always written as its default
  Hidden,           // not shown (blocks without settings); a new block has its default, a block
                    // read from its text keeps its value
  SameAs,           // not shown; written with the value of `sameAs`
};

struct FieldChoice {
  int code = 0;
  std::string label;
};

// A field or rule that counts only while another element holds one of these codes; an empty
// element means always.
struct WhenCodes {
  std::string_view element;
  std::vector<int> codes;
};

struct FormField {
  std::string_view element;
  std::string label;
  FieldKind kind = FieldKind::Text;
  std::vector<FieldChoice> choices;
  std::string defaultValue;  // a choice's default is its first code unless given
  std::string_view sameAs;
  WhenCodes activeWhen;
  int minimum = 0;  // Number
  int maximum = 0;
};

// A check OK makes: a required text, or a start that may not exceed an end.
struct FormRule {
  enum class Kind { Required, NotAfter };
  Kind kind = Kind::Required;
  std::string_view element;
  std::string_view laterElement;  // NotAfter: element <= laterElement
  WhenCodes when;
  std::string_view message;
};

// The form of one block kind or of one condition kind.
struct ElementForm {
  std::string_view tag;        // "INSERT", "CONDITION_K1"
  std::string_view className;  // for the analysis message when an element is missing
  std::string title;           // "操作ブロック [単純挿入]"; the condition kind's name for conditions
  bool hasSettings = true;     // false: the small confirmation dialog, every element fixed
  bool container = false;
  bool conditionList = false;  // CONDITION: the list of CONDITION_K elements follows the fields
  std::vector<FormField> fields;  // in element order
  std::vector<FormRule> rules;    // in the order they are checked
};

bool IsPathField(FieldKind kind);
bool IsTextField(FieldKind kind);  // text and path fields: the reserved word is refused

}  // namespace qb
