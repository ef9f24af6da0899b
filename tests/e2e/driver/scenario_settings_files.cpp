// The settings files of a data home: written complete at the start, and repaired where a user
// edited a value out of its range.
#include <windows.h>

#include <algorithm>

#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/quillbox_under_test.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

const wchar_t* const kSettingsFiles[] = {L"quillbox2.dat", L"quillboxtxt.dat", L"quillboxplan.dat"};

// The files a start on an empty data home writes, kept beside the scratch folder by the runner
// (the golden files of the unit tests, made for a 1280 x 800 screen like the virtual display's).
std::wstring goldenFile(const ScenarioContext& context, const wchar_t* name) {
  return context.scratch + L"\\golden\\" + name;
}

std::string readGolden(const ScenarioContext& context, const wchar_t* name) {
  std::optional<std::string> golden = readFileBytes(goldenFile(context, name));
  expect(golden.has_value(), "the expected file " + toUtf8(goldenFile(context, name)) + " is missing");
  return *golden;
}

// The start creates a missing file empty and writes it whole once the program takes texts.
void waitForFile(const std::wstring& path) {
  waitFor(toUtf8(path) + " to be written", kStandardLimitMs, [&] {
    std::optional<std::string> bytes = readFileBytes(path);
    return bytes && !bytes->empty();
  });
}

// The values of "WinVer=" and "WinVerMinor=" are the running system's: they are left out of the
// comparison, and must be numbers.
std::string withoutWindowsVersion(std::string text, const std::string& path) {
  for (const std::string key : {"\"WinVer=\",\"", "\"WinVerMinor=\",\""}) {
    std::size_t at = text.find(key);
    if (at == std::string::npos) continue;
    std::size_t start = at + key.size();
    std::size_t end = text.find('"', start);
    expect(end != std::string::npos && end > start &&
               text.find_first_not_of("0123456789", start) == end,
           path + ": " + key + " holds no number");
    text.erase(start, end - start);
  }
  return text;
}

void expectSameBytes(const std::wstring& path, const std::string& expectedFile, const char* when) {
  std::optional<std::string> read = readFileBytes(path);
  expect(read.has_value(), toUtf8(path) + " cannot be read " + when);
  const std::string expected = withoutWindowsVersion(expectedFile, "the expected file");
  const std::string written = withoutWindowsVersion(*read, toUtf8(path));
  if (written == expected) return;
  std::size_t at = std::mismatch(written.begin(), written.end(), expected.begin(), expected.end())
                       .first - written.begin();
  std::size_t lineStart = written.rfind('\n', at == 0 ? 0 : at - 1);
  lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
  expect(false, toUtf8(path) + " " + when + " differs from the expected file at byte " +
                    std::to_string(at) + ", in the line " +
                    quotedShiftJis(written.substr(lineStart, written.find('\r', lineStart) - lineStart)));
}

// `text` with the value of `key` replaced.
std::string withValue(std::string text, const std::string& key, const std::string& value) {
  const std::string field = "\"" + key + "\",\"";
  std::size_t at = text.find(field);
  expect(at != std::string::npos, "the expected file has no " + key);
  std::size_t start = at + field.size();
  text.replace(start, text.find('"', start) - start, value);
  return text;
}

// At the end the program keeps its window's position as a percentage of the screen: the
// default place on the 1280 x 800 display, left 430 and top 235.
std::string withPlacementKept(std::string text) {
  text = withValue(std::move(text), "SCREEN_X=", "33.594");
  return withValue(std::move(text), "SCREEN_Y=", "29.375");
}

}  // namespace

void runSettingsFilesScenario(const ScenarioContext& context) {
  const std::wstring home = freshDataHome(context, L"settings-files");
  QuillboxUnderTest quillbox(context.program, home);
  for (const wchar_t* name : kSettingsFiles) {
    waitForFile(home + L"\\" + name);
    expectSameBytes(home + L"\\" + name, readGolden(context, name), "after the start");
  }
  quillbox.closeAndWaitForEnd();
  for (const wchar_t* name : kSettingsFiles) {
    std::string expected = readGolden(context, name);
    if (std::wstring(name) == L"quillbox2.dat") expected = withPlacementKept(std::move(expected));
    expectSameBytes(home + L"\\" + name, expected, "after the end");
  }
}

void runSettingsRepairScenario(const ScenarioContext& context) {
  const std::wstring home = freshDataHome(context, L"settings-repair");
  expect(CreateDirectoryW(home.c_str(), nullptr) != FALSE, "cannot create " + toUtf8(home));
  const std::wstring settings = home + L"\\quillbox2.dat";
  expect(writeFileBytes(settings, "\"MaxFile=\",\"900\",\"x\"\r\n"), "cannot write " + toUtf8(settings));

  QuillboxUnderTest quillbox(context.program, home);
  const std::string repaired = "\"MaxFile=\",\"500\",\"x\"\r\n";
  waitFor("MaxFile= to be written back as 500", kStandardLimitMs, [&] {
    std::optional<std::string> written = readFileBytes(settings);
    return written && written->find(repaired) != std::string::npos;
  });
  quillbox.closeAndWaitForEnd();

  // Every key is there, each once: as many lines as a complete file has.
  std::optional<std::string> written = readFileBytes(settings);
  expect(written.has_value(), "cannot read " + toUtf8(settings));
  const std::string golden = readGolden(context, L"quillbox2.dat");
  expect(std::count(written->begin(), written->end(), '\n') ==
             std::count(golden.begin(), golden.end(), '\n'),
         "the repaired file has " + std::to_string(std::count(written->begin(), written->end(), '\n')) +
             " lines, a complete one " + std::to_string(std::count(golden.begin(), golden.end(), '\n')));
  expect(written->find(repaired) != std::string::npos, "MaxFile= is no longer 500 after the end");
}

}  // namespace qb::e2e
