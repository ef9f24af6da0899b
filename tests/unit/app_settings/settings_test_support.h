// The fixture of the settings-file tests: the fakes, one data home and line helpers.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/settings/settings_files.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fixed_system_info.h"
#include "platform/fake/scripted_ui.h"

namespace qb {

inline const std::string kHome = "C:\\Users\\tester\\quillbox\\";
inline const std::string kEnvironmentPath = kHome + "quillbox2.dat";
inline const std::string kRelatedPath = kHome + "quillboxtxt.dat";
inline const std::string kPlanPath = kHome + "quillboxplan.dat";

inline std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

inline std::string Line(const std::string& key, const std::string& value, const std::string& comment) {
  return "\"" + key + "\",\"" + value + "\",\"" + comment + "\"";
}

inline std::string KeyOf(const std::string& line) { return line.substr(1, line.find('"', 1) - 1); }

class SettingsFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.putFolder(kHome); }

  SettingsFiles& files() {
    if (!files_) {
      files_ = std::make_unique<SettingsFiles>(fs, ui, system, kHome, [this] { ++closeRequests; });
    }
    return *files_;
  }
  EnvironmentSettings& environment() { return files().settings().environment; }
  std::string content(const std::string& path) { return fs.contentOf(path).value_or("<none>"); }
  std::vector<std::string> boxTexts() const {
    std::vector<std::string> texts;
    for (const MessageBoxRecord& box : ui.boxes()) texts.push_back(box.text);
    return texts;
  }
  // Loads and saves the environment file holding `lines`; the saved lines.
  std::vector<std::string> roundTrip(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    fs.putFile(kEnvironmentPath, text);
    EXPECT_EQ(files().loadEnvironment(), 0);
    EXPECT_EQ(files().save(), 0);
    return LinesOf(content(kEnvironmentPath));
  }

  FakeClock clock;
  FakeFileSystem fs{clock};
  ScriptedUi ui;
  FixedSystemInfo system;  // screen 1280 x 800, as in the golden files
  int closeRequests = 0;

 private:
  std::unique_ptr<SettingsFiles> files_;
};

}  // namespace qb
