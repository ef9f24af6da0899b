// The deliverables bind the way the program binds them: qlbxhook by ordinal only, plandata by
// name at run time.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// GetProcAddress gives a generic function pointer; the export's own type is known to the caller.
template <class Function>
Function ExportAs(FARPROC address) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

TEST(Binding, HookLibraryExportsSevenOrdinalsAndNoNames) {
  HMODULE hook = LoadLibraryW(L"qlbxhook");
  ASSERT_NE(hook, nullptr);
  for (int ordinal = 1; ordinal <= 7; ++ordinal) {
    EXPECT_NE(GetProcAddress(hook, MAKEINTRESOURCEA(ordinal)), nullptr) << ordinal;
  }
  EXPECT_EQ(GetProcAddress(hook, MAKEINTRESOURCEA(8)), nullptr);
  EXPECT_EQ(GetProcAddress(hook, "SetHook"), nullptr);
  EXPECT_EQ(GetProcAddress(hook, "HookInitProc"), nullptr);
  FreeLibrary(hook);
}

TEST(Binding, HookPlanMenuDataSetsAreBounded) {
  HMODULE hook = LoadLibraryW(L"qlbxhook");
  ASSERT_NE(hook, nullptr);
  using DataSet = int (*)(int, const char*);
  using Init = int (*)();
  auto init = ExportAs<Init>(GetProcAddress(hook, MAKEINTRESOURCEA(4)));
  auto dataSet = ExportAs<DataSet>(GetProcAddress(hook, MAKEINTRESOURCEA(5)));
  ASSERT_TRUE(init && dataSet);
  EXPECT_EQ(init(), 0);
  std::string huge(20000, 'a');  // longer than a slot: cut, never written past it
  EXPECT_EQ(dataSet(3, huge.c_str()), 0);
  EXPECT_EQ(dataSet(10, "out of range"), 0);
  EXPECT_EQ(dataSet(-1, "out of range"), 0);
  FreeLibrary(hook);
}

TEST(Binding, PlanDataExportsItsThreeSetsByName) {
  HMODULE data = LoadLibraryW(L"plandata");
  ASSERT_NE(data, nullptr);
  using Getter = int (*)(int, int*, char*);
  for (const char* name : {"m_GetPlanDataRireki", "m_GetPlanDataHotKey", "m_GetPlanDataHotKey2"}) {
    auto get = ExportAs<Getter>(GetProcAddress(data, name));
    ASSERT_NE(get, nullptr) << name;
    static char buffer[512000];
    int end = -1;
    EXPECT_EQ(get(50, &end, buffer), 0);
    EXPECT_EQ(end, 1) << name;
  }
  FreeLibrary(data);
}

}  // namespace
