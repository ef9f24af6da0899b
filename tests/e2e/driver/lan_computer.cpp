// One "computer" of the LAN scenario: starts quillbox2.exe with its data home, calls its window
// up, and then does what the scenario script asks, one command file at a time, until "quit".
//
//   qb_e2e_driver --lan-computer <quillbox2.exe> <data home> <command folder>
//
// The script writes "cmd-<n>.txt" (UTF-8: a verb and its arguments, separated by tabs); the
// driver answers in "res-<n>.txt": "OK" and lines of data, or "FAIL <reason>".
#include "tests/e2e/driver/lan_computer.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "tests/e2e/driver/clipboard_writer.h"
#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/main_window_use.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/text.h"
#include "tests/e2e/driver/window_search.h"

namespace qb::e2e {
namespace {

constexpr DWORD kCommandWaitMs = 600000;

std::wstring fromUtf8(const std::string& text) {
  int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::vector<std::wstring> splitTabs(const std::wstring& line) {
  std::vector<std::wstring> parts;
  std::wstring part;
  for (wchar_t c : line) {
    if (c == L'\t') {
      parts.push_back(part);
      part.clear();
    } else if (c != L'\r' && c != L'\n') {
      part += c;
    }
  }
  parts.push_back(part);
  return parts;
}

// A shown child of the main window with this class whose text is (or, `partly`, holds) `text`
// (the bars of the tabs not shown are hidden and may hold the same captions).
HWND childWithText(HWND main, const std::wstring& className, const std::wstring& text, bool partly) {
  for (HWND child : childWindows(main)) {
    if (windowClassName(child) != className || !IsWindowVisible(child)) continue;
    std::wstring shown = controlText(child);
    if (partly ? shown.find(text) != std::wstring::npos : shown == text) return child;
  }
  return nullptr;
}

std::wstring clipboardText() {
  std::wstring text;
  for (int attempt = 0; attempt < 20 && text.empty(); ++attempt) {
    if (!OpenClipboard(nullptr)) {
      Sleep(50);
      continue;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
        text = chars;
        GlobalUnlock(data);
      }
    }
    CloseClipboard();
    break;
  }
  return text;
}

class LanComputer {
 public:
  LanComputer(const std::wstring& program, const std::wstring& dataHome)
      : quillbox_(program, dataHome) {
    list_ = callUpFromTray(quillbox_);
  }

  // One command; the lines of its answer after "OK".
  std::wstring run(const std::vector<std::wstring>& words) {
    const std::wstring& verb = words[0];
    auto arg = [&](std::size_t i) { return i < words.size() ? words[i] : std::wstring(); };
    if (verb == L"click") return click(arg(1));
    if (verb == L"rows") return rows(arg(1));
    if (verb == L"copy") {
      putClipboardText(arg(1));
      return L"";
    }
    if (verb == L"clipboard") return clipboardText();
    if (verb == L"box") return answerBox(arg(1));
    if (verb == L"dialog") return fillDialog(words);
    if (verb == L"label") {
      expect(childWithText(quillbox_.mainWindow(), L"Static", arg(1), true) != nullptr,
             "no label of the main window holds " + quoted(arg(1)));
      return L"";
    }
    if (verb == L"nolabel") {
      expect(childWithText(quillbox_.mainWindow(), L"Static", arg(1), true) == nullptr,
             "a label of the main window still holds " + quoted(arg(1)));
      return L"";
    }
    if (verb == L"close") {
      quillbox_.closeAndWaitForEnd();
      closed_ = true;
      return L"";
    }
    throw ScenarioFailure("unknown command " + toUtf8(verb));
  }

  bool closed() const { return closed_; }

 private:
  // A button of the main window: a tab button or one of a tab's bar. Posted, so that a dialog
  // it opens does not hold the driver.
  std::wstring click(const std::wstring& caption) {
    HWND button = childWithText(quillbox_.mainWindow(), L"Button", caption, false);
    expect(button != nullptr, "no button " + quoted(caption));
    PostMessageW(button, BM_CLICK, 0, 0);
    Sleep(300);
    return L"";
  }

  // The texts of the given columns ("0,1,3"), one row per line, columns separated by " | ".
  std::wstring rows(const std::wstring& columnList) {
    std::vector<std::vector<std::wstring>> columns;
    std::wstringstream stream(columnList);
    std::wstring number;
    while (std::getline(stream, number, L',')) columns.push_back(listColumn(list_, std::stoi(number)));
    std::wstring out;
    std::size_t count = columns.empty() ? 0 : columns[0].size();
    for (std::size_t row = 0; row < count; ++row) {
      for (std::size_t c = 0; c < columns.size(); ++c) {
        if (c > 0) out += L" | ";
        out += row < columns[c].size() ? columns[c][row] : L"";
      }
      out += L"\n";
    }
    return out;
  }

  // Waits for the program's message box holding `part`, presses its first button.
  std::wstring answerBox(const std::wstring& part) {
    MessageBoxView seen;
    waitFor("a message box holding " + quoted(part), kStandardLimitMs, [&] {
      HWND box = findMessageBox(quillbox_.process().id(), L"Quillbox");
      if (!box) return false;
      seen = readMessageBox(box);
      return seen.text.find(part) != std::wstring::npos && !seen.buttons.empty();
    });
    pressButton(seen, seen.buttons.front().id);
    return seen.text;
  }

  // dialog <caption> <id>=<text> ...: fills the fields of the program's dialog, then OK.
  std::wstring fillDialog(const std::vector<std::wstring>& words) {
    HWND dialog = nullptr;
    waitFor("the dialog " + quoted(words[1]), kStandardLimitMs, [&] {
      dialog = findWindowOf(quillbox_.process().id(), Visibility::kVisibleOnly, L"#32770", &words[1]);
      return dialog != nullptr;
    });
    for (std::size_t i = 2; i < words.size(); ++i) {
      std::size_t equals = words[i].find(L'=');
      int id = std::stoi(words[i].substr(0, equals));
      SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(words[i].substr(equals + 1).c_str()));
    }
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    waitFor("the dialog to close", kStandardLimitMs, [&] { return IsWindow(dialog) == FALSE; });
    return L"";
  }

  QuillboxUnderTest quillbox_;
  HWND list_ = nullptr;
  bool closed_ = false;
};

std::wstring readCommand(const std::wstring& path) {
  std::optional<std::string> bytes = readFileBytes(path);
  return bytes ? fromUtf8(*bytes) : std::wstring();
}

void answer(const std::wstring& path, const std::string& utf8) {
  std::wstring partial = path + L".part";
  writeFileBytes(partial, utf8);
  MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

int runLanComputer(const std::wstring& program, const std::wstring& dataHome,
                   const std::wstring& folder) {
  std::unique_ptr<LanComputer> computer;
  try {
    computer = std::make_unique<LanComputer>(program, dataHome);
  } catch (const ScenarioFailure& failure) {
    answer(folder + L"\\res-0.txt", std::string("FAIL ") + failure.what());
    return 1;
  }
  answer(folder + L"\\res-0.txt", "OK\n");
  for (int n = 1;; ++n) {
    std::wstring command = folder + L"\\cmd-" + std::to_wstring(n) + L".txt";
    std::wstring result = folder + L"\\res-" + std::to_wstring(n) + L".txt";
    if (!pollUntil(kCommandWaitMs, [&] { return fileExists(command); })) return 1;
    std::vector<std::wstring> words = splitTabs(readCommand(command));
    if (words[0] == L"quit") {
      answer(result, "OK\n");
      return 0;
    }
    try {
      answer(result, "OK\n" + toUtf8(computer->run(words)));
    } catch (const ScenarioFailure& failure) {
      answer(result, std::string("FAIL ") + failure.what() + "\n");
    }
  }
}

}  // namespace qb::e2e
