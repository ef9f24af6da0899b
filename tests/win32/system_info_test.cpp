#include "platform/win32/win32_system_info.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_file_system.h"

namespace qb {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(Win32SystemInfo, NamesTheUserAndTheComputer) {
  Win32SystemInfo info;
  ASSERT_TRUE(info.userName().has_value());
  EXPECT_FALSE(info.userName()->empty());
  EXPECT_FALSE(info.computerName().empty());
  EXPECT_LE(info.computerName().size(), 15u);
}

TEST(Win32SystemInfo, GivesTheRealWindowsVersion) {
  WindowsVersion version = Win32SystemInfo().windowsVersion();
  EXPECT_GE(version.major, 6);
  EXPECT_GE(version.minor, 0);
}

TEST(Win32SystemInfo, GivesThisProgramsFile) {
  std::string path = Win32SystemInfo().programFilePath();
  EXPECT_TRUE(EndsWith(path, "\\qb_win32_adapter_tests.exe")) << path;
  Win32FileSystem fs;
  auto attributes = fs.attributes(path);
  ASSERT_TRUE(attributes.has_value()) << path;
  EXPECT_FALSE(attributes->isFolder);
}

TEST(Win32SystemInfo, SpecialFoldersExistWithoutATrailingBackslash) {
  Win32SystemInfo info;
  Win32FileSystem fs;
  for (const std::string& folder :
       {info.appDataFolder(), info.commonAppDataFolder(), info.programFilesFolder()}) {
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\') << folder;
    auto attributes = fs.attributes(folder);
    ASSERT_TRUE(attributes.has_value()) << folder;
    EXPECT_TRUE(attributes->isFolder) << folder;
  }
}

TEST(Win32SystemInfo, MeasuresTheScreen) {
  ScreenSize screen = Win32SystemInfo().screenSize();
  EXPECT_GT(screen.width, 0);
  EXPECT_GT(screen.height, 0);
}

}  // namespace
}  // namespace qb
