// Writes plan texts for the standard plans: each function gives one block with every element of
// its kind, in the order the plan format fixes, so that the engine reads every setting it looks
// for. Values are raw text ("<@@" never occurs in them).
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

namespace qb::plan_text {

// The header of a standard plan: name, summary, notes, "V1.00", no lock, a neutral author.
std::string Header(std::string_view name, std::string_view summary, std::string_view notes);

// Text sources of the I/O blocks.
inline constexpr int kBlockInput = 1;  // ブロック入力文字列
inline constexpr int kGivenText = 2;   // 下記の文字列

// ---- Text editing ----
// where: 4 front, 5 end, 3 replace all; notation 2 = escape notation ("\r\n", "\t").
std::string Insert(int where, std::string_view text, int notation = 1);
// Every occurrence; notation 2 makes the search (or the replacement) escape notation.
std::string ChangeAll(std::string_view search, std::string_view replacement,
                      int searchNotation = 1, int replacementNotation = 1);
std::string ChangePattern(int code);
std::string DeletePattern(int code);
// kind 6: `length` characters from character `start`.
std::string DeletePosition(int kind, int start, int length);
std::string DivisionLine(int byBytes, int length);
std::string SortLine(int ascending1Descending2);
std::string SameDeleteLine();
// 19 before, 20 after the text.
std::string LineAdd(int where, std::string_view line);
std::string InsertWholeFile(int where, std::string_view path);

// ---- Files, programs, addresses ----
std::string CreateFile(std::string_view path);
std::string OutFileAdd(int source, std::string_view path);
// nameKind: 1 fixed, 2 stamp behind the name. check: 1 asks before overwriting.
std::string OutFileWrite(int source, int nameKind, std::string_view path, int check);
std::string FileStarting(std::string_view path);
std::string AplStarting(std::string_view program);
// The working text is the address.
std::string WebStartingFromText();

// ---- Clipboard and working window ----
// getErr 2: cancel with the notice when there is nothing.
std::string InClipboard(int getErr);
std::string OutClipboard(int source, std::string_view text = {});
std::string ActWinCopy(int getErr);
std::string ActWinPaste();

// ---- Dialogs and notices ----
std::string DspString(std::string_view heading);
std::string MsgVerifyOk(std::string_view message);
// A notice for `tenths` × 100 ms in the program's notice colours.
std::string MsgInfo(std::string_view message, int tenths = 15);
std::string DspSelect(std::string_view heading, std::initializer_list<std::string_view> buttons);

// ---- Variables and control ----
// kind 1: the working text; 3 / 6: asked for at run time (several lines / one line).
// target 101-120 = <$作業用01>-<$作業用20>. required: 2 refuses an empty entry.
std::string HensuSet(int kind, int target, std::string_view heading = {}, int required = 1);
// counter 201-219 = operand variable `code` (KIND_AITE).
std::string CounterFromVariable(int counter, int code);
std::string Escape();
std::string LineNext();

// ---- Containers and conditions ----
std::string Line(std::string_view children);
// All conditions must hold (OPERATION 1); `invert` runs the children when they do not.
std::string Condition(std::string_view conditions, std::string_view children, bool invert = false);
// K1 on the working text: kind 4 starts with, 9 equals, 8 contains; expect 2 negates.
std::string TextIs(int kind, std::string_view search, int expect = 1);
// K2: character count compared (1 =, 3 >) with `number`.
std::string LengthIs(int compare, int number);
// K3 kind 7: the current line is the last one.
std::string LastLine();
// K4: 8 the file exists, 9 it does not.
std::string FileIs(int existence, std::string_view path);
// K6 "すべてが": the string variable `code` equals / (expect 2) differs from `value`.
std::string VariableIs(int code, std::string_view value, int expect = 1);

// ---- Shapes the standard plans share ----
// The text to work on: the caller's text, or, when none was given, the selection of the working
// window (the plan is cancelled with a notice when nothing is selected).
std::string TakeSelection();
// A selection window whose i-th button (1-based) runs the i-th of `branches`.
std::string ChooseAndRun(std::string_view heading,
                         std::initializer_list<std::pair<std::string_view, std::string>> branches);
// Encodes the working text for the query part of an address: line breaks and tabs become
// spaces, "%", "&", "+", "#" and "=" are escaped, runs of spaces become one "+".
std::string QueryEncoding();
// The same for a path segment: spaces become "%20", "/" and "?" are escaped too.
std::string PathEncoding();
// Blank characters, tabs and line breaks at both ends removed.
std::string TrimEnds();

}  // namespace qb::plan_text
