// The installer, run silently, puts the four deliverables and both help files under Program
// Files with a Start menu entry (and, asked for, a start at logon). The installed program takes
// its data home in the user's application-data folder, captures a copied text, and opens
// "quillbox2.chm" through the shell from its "ヘルプ" command. The uninstaller removes the
// program files and its entries and leaves the data home as it was.
#include <windows.h>
#include <shlobj.h>

#include "app/win32/window_identity.h"
#include "quillbox_version.h"
#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/history_files.h"
#include "tests/e2e/driver/history_watch.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/package_files.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/popup_menu.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

constexpr DWORD kInstallerLimitMs = 90000;
const std::wstring kCopied = L"インストール版で表示ソフトをコピー";

struct InstallPlaces {
  std::wstring programFolder;  // C:\Program Files\Quillbox
  std::wstring startMenuEntry;
  std::wstring logonEntry;
  std::wstring dataHome;       // <application data>\tova-works\quillbox
};

InstallPlaces installPlaces() {
  return {knownFolder(FOLDERID_ProgramFiles) + L"\\Quillbox",
          knownFolder(FOLDERID_CommonPrograms) + L"\\Quillbox\\Quillbox.lnk",
          knownFolder(FOLDERID_CommonStartup) + L"\\Quillbox.lnk",
          knownFolder(FOLDERID_RoamingAppData) + L"\\tova-works\\quillbox"};
}

// A run that failed half way may have left an installation or a data home in this prefix.
void startFromACleanMachine(const InstallPlaces& places) {
  const std::wstring uninstaller = places.programFolder + L"\\uninstall.exe";
  if (fileExists(uninstaller)) {
    noteStep("an earlier installation is there: uninstalling it first");
    runAndWait(uninstaller, L"/S", kInstallerLimitMs);
    pollUntil(kInstallerLimitMs, [&] { return !folderExists(places.programFolder); });
  }
  expect(removeFolderTree(places.dataHome), "cannot remove the earlier data home " +
                                                toUtf8(places.dataHome));
}

void expectInstalledFiles(const InstallPlaces& places) {
  for (const std::wstring& file : packagedFiles()) {
    expect(fileExists(places.programFolder + L"\\" + file),
           "the installer did not put " + toUtf8(file) + " into " + toUtf8(places.programFolder));
  }
  expect(fileExists(places.programFolder + L"\\uninstall.exe"), "no uninstall.exe");
  const std::wstring version = fromShiftJis(kProductVersion);
  for (const std::wstring& file : deliverables()) {
    const std::wstring path = places.programFolder + L"\\" + file;
    const auto product = versionString(path, L"ProductName");
    const auto productVersion = versionString(path, L"ProductVersion");
    const auto fileVersion = versionString(path, L"FileVersion");
    const auto original = versionString(path, L"OriginalFilename");
    expect(product == L"Quillbox" && productVersion == version && fileVersion == version &&
               original == file,
           toUtf8(file) + " has no version resource of Quillbox " + toUtf8(version) + ": product " +
               quoted(product.value_or(L"-")) + ", version " + quoted(productVersion.value_or(L"-")) +
               ", file version " + quoted(fileVersion.value_or(L"-")) + ", original name " +
               quoted(original.value_or(L"-")));
  }
  expect(fileExists(places.startMenuEntry), "no Start menu entry " + toUtf8(places.startMenuEntry));
  expect(fileExists(places.logonEntry), "/AUTOSTART made no logon entry " + toUtf8(places.logonEntry));
  expect(uninstallEntry(L"DisplayVersion") == version,
         "the uninstall entry does not name version " + toUtf8(version));
  noteStep("installed: six files, version resources " + toUtf8(version) + ", Start menu and logon entries");
}

void captureACopiedText(const QuillboxUnderTest& quillbox) {
  const auto before = historyFileNames(quillbox.historyFolder());
  putClipboardText(kCopied);
  const std::string value = toShiftJis(kCopied);
  const std::wstring name = waitForNewHistoryItem(quillbox.historyFolder(), before, value);
  expectFreshRecord(name, readUnshifted(quillbox.historyFolder() + L"\\" + name).value_or(""), value);
}

void openTheHelpFromTheMainMenu(const QuillboxUnderTest& quillbox) {
  const std::wstring kHelp = L"ヘルプ";
  PopupMenuReader reader(quillbox.windowThreadId());
  sendTrayCallback(quillbox.mainWindow(), kTrayCallbackMessage, kTrayIconId, WM_RBUTTONUP);
  const HWND menu = waitForPopupMenu(quillbox.process().id());
  chooseMenuItem(reader, menu, kHelp);
  // The title is the help file's own: the shell opened quillbox2.chm of the program folder.
  const HWND viewer = waitForHelpViewer(L"Quillbox ヘルプ");
  expect(findMessageBox(quillbox.process().id(), L"Quillbox") == nullptr,
         "the program reports a failure although the help viewer opened");
  noteStep("the help viewer shows " + quoted(L"Quillbox ヘルプ"));
  closeHelpViewer(viewer);
}

void runTheInstalledProgram(const InstallPlaces& places) {
  emptyClipboard();
  {
    QuillboxUnderTest quillbox(places.programFolder + L"\\quillbox2.exe", places.dataHome,
                               ChosenByTheProgram{});
    waitFor("the settings file in the application-data folder", kStandardLimitMs,
            [&] { return fileExists(places.dataHome + L"\\quillbox2.dat"); });
    expect(!folderExists(places.programFolder + L"\\" + logonName()),
           "the installed program made a data folder under Program Files");
    captureACopiedText(quillbox);
    openTheHelpFromTheMainMenu(quillbox);
    quillbox.closeAndWaitForEnd();
  }
}

void uninstallAndKeepTheData(const InstallPlaces& places) {
  const auto historyBefore = historyFileNames(places.dataHome + L"\\clipsave");
  const auto settingsBefore = readFileBytes(places.dataHome + L"\\quillbox2.dat");
  // The uninstaller copies itself to the temporary folder and goes on from there.
  expect(runAndWait(places.programFolder + L"\\uninstall.exe", L"/S", kInstallerLimitMs) == 0,
         "the uninstaller failed");
  const auto leftOver = [&] {
    std::string left;
    if (folderExists(places.programFolder)) left += " " + toUtf8(places.programFolder);
    if (fileExists(places.startMenuEntry)) left += " the Start menu entry";
    if (fileExists(places.logonEntry)) left += " the logon entry";
    if (uninstallEntry(L"DisplayName")) left += " the uninstall registry entry";
    return left;
  };
  waitFor("the uninstaller to remove what the installer put there", kInstallerLimitMs,
          [&] { return leftOver().empty(); }, [&] { return "still there:" + leftOver(); });
  expect(readFileBytes(places.dataHome + L"\\quillbox2.dat") == settingsBefore &&
             historyFileNames(places.dataHome + L"\\clipsave") == historyBefore &&
             !historyBefore.empty(),
         "the uninstaller changed the data home " + toUtf8(places.dataHome));
  noteStep("uninstalled; the data home keeps its settings and " +
           std::to_string(historyBefore.size()) + " history item(s)");
}

}  // namespace

void runPackageInstallScenario(const ScenarioContext& context) {
  const std::wstring setup = stagedSetup(context.scratch);
  const InstallPlaces places = installPlaces();
  startFromACleanMachine(places);
  expect(runAndWait(setup, L"/S /AUTOSTART", kInstallerLimitMs) == 0, "the installer failed");
  expectInstalledFiles(places);
  runTheInstalledProgram(places);
  uninstallAndKeepTheData(places);
}

}  // namespace qb::e2e
