// What the release packages put on a machine, as the driver checks it: the staged packages, the
// user's and the machine's special folders, the files' version resources, the installer's
// registry entry, and the help viewer's window.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

namespace qb::e2e {

// The four deliverables and the two help files, as every package holds them.
const std::vector<std::wstring>& packagedFiles();
const std::vector<std::wstring>& deliverables();

// <scratch>\packages\quillbox-<version>-setup.exe, staged by run_e2e.sh; fails when missing.
std::wstring stagedSetup(const std::wstring& scratch);
// <scratch>\portable\Quillbox, the portable zip unpacked by run_e2e.sh; fails when missing.
std::wstring unpackedPortableFolder(const std::wstring& scratch);

std::wstring knownFolder(const KNOWNFOLDERID& id);
std::wstring logonName();  // GetUserNameW
bool folderExists(const std::wstring& path);
// Deletes a folder with everything in it (no questions); true when it is gone afterwards.
bool removeFolderTree(const std::wstring& path);

// Runs a program through the shell (as a double click would, elevation included) and waits for
// its process to end; returns its exit code.
DWORD runAndWait(const std::wstring& program, const std::wstring& parameters, DWORD limitMs);

// The version resource's string, such as L"ProductVersion", of the Japanese Unicode block.
std::optional<std::wstring> versionString(const std::wstring& file, const wchar_t* name);

// A value of HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillbox.
std::optional<std::wstring> uninstallEntry(const wchar_t* valueName);

// Waits for the HTML Help viewer's window ("HH Parent") with this title, as the shell opens a
// .chm file; returns it.
HWND waitForHelpViewer(const std::wstring& title);
// Closes the viewer and waits until its process has ended.
void closeHelpViewer(HWND viewer);

}  // namespace qb::e2e
