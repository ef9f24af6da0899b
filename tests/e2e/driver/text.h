// Conversions between the driver's UTF-16 texts, the program's Shift-JIS bytes and UTF-8 output.
#pragma once
#include <string>
#include <string_view>

namespace qb::e2e {

std::string toShiftJis(std::wstring_view text);   // code page 932
std::wstring fromShiftJis(std::string_view bytes);  // code page 932
std::string toUtf8(std::wstring_view text);
// A Shift-JIS text for a report line: UTF-8, quoted, with CR, LF and tab written as \r \n \t.
std::string quotedShiftJis(std::string_view bytes);
std::string quoted(std::wstring_view text);

}  // namespace qb::e2e
