// Puts texts on the clipboard as another program (an editor's copy) would.
#pragma once
#include <windows.h>

#include <string>

namespace qb::e2e {

// Opens the clipboard (retrying while another program holds it), empties it and sets the text
// as CF_UNICODETEXT.
void putClipboardText(const std::wstring& text);

// As putClipboardText, with the format "ExcludeClipboardContentFromMonitorProcessing" that asks
// clipboard tools to leave the text alone (password managers set it).
void putPrivateClipboardText(const std::wstring& text);

// As putClipboardText, but the data are handed over only when a program asks for them (delayed
// rendering), so that the driver learns that the clipboard was read.
void offerClipboardText(const std::wstring& text);
// Waits until the program `processId` asked for the offered text.
void waitForOfferRead(DWORD processId);

// Leaves the clipboard empty, so that a starting program finds nothing to take.
void emptyClipboard();

}  // namespace qb::e2e
