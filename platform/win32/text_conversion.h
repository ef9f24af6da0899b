// The one place where Shift-JIS byte strings become UTF-16 for the W API and back. Code page 932
// is named explicitly, so the program behaves the same whatever the system's ANSI code page is.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace qb {

inline constexpr unsigned kShiftJisCodePage = 932;

std::wstring SjisToWide(std::string_view text);

// Characters that code page 932 cannot hold become '?' (no "best fit" look-alikes, so a
// character never turns into a backslash or another meaningful byte).
std::string WideToSjis(std::wstring_view text);

// The exact form of texts that code page 932 cannot hold travels as UTF-8 through the core.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// The text in UTF-8 when its code-page-932 form does not convert back to it; empty otherwise.
std::string ExactFormBeyondSjis(std::wstring_view text);

// Empty when a character cannot be held in code page 932.
std::optional<std::string> WideToSjisExact(std::wstring_view text);

}  // namespace qb
