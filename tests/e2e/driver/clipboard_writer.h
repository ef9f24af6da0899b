// Puts texts on the clipboard as another program (an editor's copy) would.
#pragma once
#include <string>

namespace qb::e2e {

// Opens the clipboard (retrying while another program holds it), empties it and sets the text
// as CF_UNICODETEXT.
void putClipboardText(const std::wstring& text);
// Leaves the clipboard empty, so that a starting program finds nothing to take.
void emptyClipboard();

}  // namespace qb::e2e
