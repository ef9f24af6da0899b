#include "plandata/plan_text_builder.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace qb::plan_text {
namespace {

using Elements = std::initializer_list<std::pair<std::string_view, std::string>>;

std::string Element(std::string_view name, std::string_view value) {
  std::string text = "<@@";
  text += name;
  text += '>';
  text += value;
  text += "<@@/";
  text += name;
  text += '>';
  return text;
}

std::string Join(Elements elements) {
  std::string text;
  for (const auto& [name, value] : elements) text += Element(name, value);
  return text;
}

std::string Block(std::string_view tag, Elements elements) { return Element(tag, Join(elements)); }

std::string Container(std::string_view tag, std::string_view settings, std::string_view children) {
  std::string settingsName(tag);
  settingsName += "ME";
  return Element(tag, Element(settingsName, settings) + std::string(children));
}

std::string Num(int number) { return std::to_string(number); }

// The colours of the program's notices: dark green on pale yellow.
constexpr int kNoticeText[3] = {0, 64, 0};
constexpr int kNoticeBack[3] = {230, 235, 116};

// Neutral author of the standard plans.
constexpr std::string_view kAuthor = "QUILLBOX";
constexpr std::string_view kWritten = "20240401000000";

// The selection window with up to 12 buttons; the unused names stay empty.
std::string SelectBlock(std::string_view heading, const std::vector<std::string_view>& buttons) {
  std::string elements =
      Element("MIDASHI", heading) + Element("BTN_COUNT", Num(static_cast<int>(buttons.size())));
  for (std::size_t index = 0; index < 12; ++index) {
    char name[16];
    std::snprintf(name, sizeof name, "BTN_NAME%02zu", index + 1);
    elements += Element(name, index < buttons.size() ? buttons[index] : std::string_view());
  }
  return Element("DSP_SELECT", elements);
}

// <$選択画面結果>
constexpr int kSelectResultCode = 17;

}  // namespace

std::string Header(std::string_view name, std::string_view summary, std::string_view notes) {
  return Element("PLAN_NAME", name) + Element("PLAN_GAIYO", summary) +
         Element("PLAN_HOSOKU", notes) + Element("PLAN_GVL", "V1.00") +
         Element("PLAN_LOCK_ID", "") + Element("PLAN_CREATE_ID", kAuthor) +
         Element("PLAN_CREATE_DATE", kWritten) + Element("PLAN_UPDATE_ID", kAuthor) +
         Element("PLAN_UPDATE_DATE", kWritten);
}

// ---- Text editing ----

std::string Insert(int where, std::string_view text, int notation) {
  return Block("INSERT", {{"KIND_ADR", Num(where)},
                          {"KIND_IMS", Num(notation)},
                          {"IDX_IN", "1"},
                          {"DATAIN", std::string(text)}});
}

std::string ChangeAll(std::string_view search, std::string_view replacement, int searchNotation,
                      int replacementNotation) {
  return Block("CHANGE", {{"KIND_FIND", "1"},
                          {"KIND_ADR", "3"},
                          {"IDX_CN", "1"},
                          {"KIND_KMS", Num(searchNotation)},
                          {"KIND_TMS", Num(replacementNotation)},
                          {"KIND_ALPHABET", "0"},
                          {"DATASR", std::string(search)},
                          {"DATATK", std::string(replacement)}});
}

std::string ChangePattern(int code) { return Block("CHANGE_PATTERN", {{"KIND_PATTERN", Num(code)}}); }

std::string DeletePattern(int code) { return Block("DELETE_PATTERN", {{"KIND_PATTERN", Num(code)}}); }

std::string DeletePosition(int kind, int start, int length) {
  return Block("DELETE_POSI", {{"KIND_ADR", Num(kind)},
                               {"IDX_START", Num(start)},
                               {"LEN", Num(length)},
                               {"ZEN_NOTCUT", "1"}});
}

std::string DivisionLine(int byBytes, int length) {
  return Block("DIVISION_LINE", {{"KIND_KETA", Num(byBytes)}, {"LEN", Num(length)}});
}

std::string SortLine(int ascending1Descending2) {
  return Block("SORT_LINE",
               {{"KIND_KETA", "1"}, {"KIND_SORT", Num(ascending1Descending2)}, {"IDX_START", "1"}});
}

std::string SameDeleteLine() { return Block("SAME_DELETE_LINE", {{"KIND_ADR", "1"}}); }

std::string LineAdd(int where, std::string_view line) {
  return Block("LINE_ADD", {{"KIND_ADR", Num(where)}, {"DATAIN", std::string(line)}});
}

std::string InsertWholeFile(int where, std::string_view path) {
  return Block("INSERT_FILE", {{"KIND_ADR", Num(where)},
                               {"KIND_INFILE", "1"},
                               {"IDX_START", "1"},
                               {"IDX_END", "1"},
                               {"FILE_PATH", std::string(path)}});
}

// ---- Files, programs, addresses ----

std::string CreateFile(std::string_view path) {
  return Block("CREATE_FILE", {{"FILE_PATH", std::string(path)}, {"FILE_CHECK", "0"}});
}

std::string OutFileAdd(int source, std::string_view path) {
  return Block("OUT_FILE_ADD",
               {{"KIND_IN", Num(source)}, {"FILE_PATH", std::string(path)}, {"DATAIN", ""}});
}

std::string OutFileWrite(int source, int nameKind, std::string_view path, int check) {
  return Block("OUT_FILE_WRITE", {{"KIND_IN", Num(source)},
                                  {"KIND_FILENAME", Num(nameKind)},
                                  {"FILE_PATH", std::string(path)},
                                  {"DATAIN", ""},
                                  {"FILE_CHECK", Num(check)}});
}

std::string FileStarting(std::string_view path) {
  return Block("FILE_STARTING",
               {{"KIND_STARTING", "2"}, {"KIND_IN", "2"}, {"FILE_PATH", std::string(path)}});
}

std::string AplStarting(std::string_view program) {
  return Block("APL_STARTING", {{"KIND_STARTING", "2"},
                                {"KIND_IN", "4"},
                                {"APL_PATH", std::string(program)},
                                {"APL_HIKISU", ""}});
}

std::string WebStartingFromText() {
  return Block("WEB_STARTING", {{"KIND_STARTING", "1"}, {"KIND_IN", "1"}, {"DATAURL", ""}});
}

// ---- Clipboard and working window ----

std::string InClipboard(int getErr) { return Block("IN_CLIPBOARD", {{"KIND_GETERR", Num(getErr)}}); }

std::string OutClipboard(int source, std::string_view text) {
  return Block("OUT_CLIPBOARD", {{"KIND_IN", Num(source)}, {"DATAIN", std::string(text)}});
}

std::string ActWinCopy(int getErr) { return Block("ACTWIN_COPY", {{"KIND_GETERR", Num(getErr)}}); }

std::string ActWinPaste() {
  return Block("ACTWIN_PASTE", {{"KIND_IN", Num(kBlockInput)}, {"DATAIN", ""}});
}

// ---- Dialogs and notices ----

std::string DspString(std::string_view heading) {
  return Block("DSP_STRING", {{"KIND_IN", Num(kBlockInput)},
                              {"MIDASHI", std::string(heading)},
                              {"DATAIN", ""},
                              {"KIND_VALID", "1"},
                              {"CANCEL_DSP", "0"}});
}

std::string MsgVerifyOk(std::string_view message) {
  return Block("MSG_VERIFY",
               {{"KIND_IN", Num(kGivenText)}, {"KIND_VERIFY", "1"}, {"MSG", std::string(message)}});
}

std::string MsgInfo(std::string_view message, int tenths) {
  return Block("MSG_INFO", {{"KIND_INFO", "2"},
                            {"DSP_TIME", Num(tenths)},
                            {"MSG", std::string(message)},
                            {"TXCOLOR_R", Num(kNoticeText[0])},
                            {"TXCOLOR_G", Num(kNoticeText[1])},
                            {"TXCOLOR_B", Num(kNoticeText[2])},
                            {"BKCOLOR_R", Num(kNoticeBack[0])},
                            {"BKCOLOR_G", Num(kNoticeBack[1])},
                            {"BKCOLOR_B", Num(kNoticeBack[2])}});
}

std::string DspSelect(std::string_view heading, std::initializer_list<std::string_view> buttons) {
  return SelectBlock(heading, std::vector<std::string_view>(buttons));
}

// ---- Variables and control ----

std::string HensuSet(int kind, int target, std::string_view heading, int required) {
  return Block("PLAN_HENSU_SET", {{"KIND_IN", Num(kind)},
                                  {"KIND_PLANHENSU", Num(target)},
                                  {"KIND_ADR", "3"},
                                  {"KIND_IMS", "1"},
                                  {"DATAIN", ""},
                                  {"MIDASHI", std::string(heading)},
                                  {"IN_HISU", Num(required)}});
}

std::string CounterFromVariable(int counter, int code) {
  return Block("PLAN_COUNTER_SET", {{"KIND_PLANHENSU", Num(counter)},
                                    {"KIND_AITE", Num(code)},
                                    {"KIND_ENZAN", "1"},
                                    {"DATANUM", "0"}});
}

std::string Escape() { return Element("ESCAPE", ""); }

std::string LineNext() { return Element("LINE_NEXT", ""); }

// ---- Containers and conditions ----

std::string Line(std::string_view children) { return Container("LINE", "", children); }

std::string Condition(std::string_view conditions, std::string_view children, bool invert) {
  std::string settings = Element("ALL_NOT", invert ? "1" : "0") + Element("OPERATION", "1");
  settings += conditions;
  return Container("CONDITION", settings, children);
}

std::string TextIs(int kind, std::string_view search, int expect) {
  return Block("CONDITION_K1", {{"KIND_FIND", "1"},
                                {"KIND_ADR", Num(kind)},
                                {"KIND_COND", Num(expect)},
                                {"IDX_CN", "1"},
                                {"KIND_KMS", "1"},
                                {"KIND_ALPHABET", "0"},
                                {"DATASR", std::string(search)}});
}

std::string LengthIs(int compare, int number) {
  return Block("CONDITION_K2",
               {{"KIND_KETA", "1"}, {"KIND_COND", Num(compare)}, {"DATANUM", Num(number)}});
}

std::string LastLine() { return Block("CONDITION_K3", {{"KIND_COND", "7"}, {"DATANUM", "0"}}); }

std::string FileIs(int existence, std::string_view path) {
  return Block("CONDITION_K4", {{"KIND_COND", Num(existence)}, {"FILE_PATH", std::string(path)}});
}

std::string VariableIs(int code, std::string_view value, int expect) {
  return Block("CONDITION_K6", {{"KIND_FIND", "1"},
                                {"KIND_PLANHENSU", Num(code)},
                                {"KIND_ADR", "9"},
                                {"KIND_COND", Num(expect)},
                                {"IDX_CN", "1"},
                                {"KIND_KMS", "1"},
                                {"KIND_ALPHABET", "0"},
                                {"DATASR", std::string(value)}});
}

// ---- Shapes the standard plans share ----

std::string TakeSelection() { return Condition(LengthIs(1, 0), ActWinCopy(2)); }

std::string ChooseAndRun(std::string_view heading,
                         std::initializer_list<std::pair<std::string_view, std::string>> branches) {
  std::vector<std::string_view> names;
  for (const auto& branch : branches) names.push_back(branch.first);
  std::string text = SelectBlock(heading, names);
  int number = 1;
  for (const auto& branch : branches) {
    char chosen[16];
    std::snprintf(chosen, sizeof chosen, "%02d", number++);
    text += Condition(VariableIs(kSelectResultCode, chosen), branch.second);
  }
  return text;
}

std::string TrimEnds() { return DeletePattern(104) + DeletePattern(105); }

std::string QueryEncoding() {
  return TrimEnds() + ChangeAll("\\r\\n", " ", 2) + ChangeAll("\\t", " ", 2) +
         ChangeAll("%", "%25") + ChangeAll("&", "%26") + ChangeAll("+", "%2B") +
         ChangeAll("#", "%23") + ChangeAll("=", "%3D") + ChangePattern(1) + ChangeAll(" ", "+");
}

std::string PathEncoding() {
  return TrimEnds() + ChangeAll("\\r\\n", " ", 2) + ChangeAll("\\t", " ", 2) +
         ChangeAll("%", "%25") + ChangeAll("/", "%2F") + ChangeAll("?", "%3F") +
         ChangeAll("#", "%23") + ChangeAll("&", "%26") + ChangePattern(1) + ChangeAll(" ", "%20");
}

}  // namespace qb::plan_text
