#include "app/win32/plan_adapters.h"

#include <windows.h>

#include <string>

#include "app/win32/dialogs/dialogs.h"

namespace qb {
namespace {

class LoadedPlanData : public PlanDataModule {
 public:
  explicit LoadedPlanData(HMODULE module) : module_(module) {}
  ~LoadedPlanData() override { FreeLibrary(module_); }
  LoadedPlanData(const LoadedPlanData&) = delete;
  LoadedPlanData& operator=(const LoadedPlanData&) = delete;

  PlanDataExport find(std::string_view exportName) override {
    return reinterpret_cast<PlanDataExport>(
        reinterpret_cast<void*>(GetProcAddress(module_, std::string(exportName).c_str())));
  }

 private:
  HMODULE module_;
};

}  // namespace

std::unique_ptr<PlanDataModule> Win32PlanDataLibrary::load() {
  HMODULE module = LoadLibraryW(L"plandata");
  if (!module) return nullptr;
  return std::make_unique<LoadedPlanData>(module);
}

std::optional<int> Win32PlanChooser::choose(std::string_view caption, std::string_view note,
                                            const std::vector<std::string>& names) {
  return RunPlanChoiceDialog(owner_, ui_, font_, std::string(caption), std::string(note), names);
}

}  // namespace qb
