#include "planlib/plan_interface.h"

#include "planlib/win32/plan_library.h"
#include "platform/win32/text_conversion.h"

namespace {

// The context of the edit or run in progress: one per process.
qb::PlanLibraryContext& Context() {
  static qb::PlanLibraryContext context;
  return context;
}

}  // namespace

CPlanInterface::CPlanInterface() { m_InitInfo(); }

CPlanInterface::~CPlanInterface() = default;

void CPlanInterface::m_InitInfo() {
  m_FontName = "ＭＳ Ｐゴシック";
  m_ActWinName = "ダミーウィンドウ";
  m_HostName = "Quillbox";
  m_EditTitle = "プラン編集";
  wchar_t path[2000];
  DWORD length = GetModuleFileNameW(nullptr, path, 2000);
  std::string executable = qb::WideToSjis(std::wstring_view(path, length));
  std::size_t lastBackslash = executable.rfind('\\');
  m_HostFolder = lastBackslash == std::string::npos ? std::string() : executable.substr(0, lastBackslash);
  m_DataHome = m_HostFolder + "\\PlanDataHome";
}

void CPlanInterface::m_InitInfoSet() {
  Context() = {m_IfVersion, m_FontName, m_DialogDelay, m_ActWinName, m_UserId, m_HostFolder,
               m_DataHome, m_hHostWnd, m_HostName, m_EditTitle, m_PlanVersion};
}

int CPlanInterface::m_PlanInit(void* hostThread) {
  qb::PlanLibrary::instance().setHostThread(static_cast<HANDLE>(hostThread));
  return 0;
}

HWND CPlanInterface::m_InitEdit() {
  return qb::PlanLibrary::instance().createHiddenWindow(m_FontName);
}

int CPlanInterface::m_Edit(int /*mode*/, std::string* planText) {
  m_InitInfoSet();
  std::string empty;
  std::string& text = planText != nullptr ? *planText : empty;
  const qb::PlanEditCall call = qb::PlanLibrary::instance().edit(Context(), m_EditMaximized == 1, text);
  if (call.reachedEditor) {
    m_EditMaximized = call.maximized ? 1 : 0;
    m_PlanName = call.plan.name;
    m_PlanVersion = call.plan.version;
    m_PlanAttr = call.plan.attributes;
  }
  return call.returned;
}

int CPlanInterface::m_EndEdit() {
  qb::PlanLibrary::instance().destroyHiddenWindow();
  return 0;
}

HWND CPlanInterface::m_InitRun() {
  return qb::PlanLibrary::instance().createHiddenWindow(m_FontName);
}

int CPlanInterface::m_Run(std::string planText, std::string* text) {
  m_InitInfoSet();
  std::string ignored;
  qb::PlanCallResult result =
      qb::PlanLibrary::instance().run(Context(), planText, text != nullptr ? *text : ignored);
  m_RunResult = result.runResult;
  return result.returned;
}

int CPlanInterface::m_EndRun() {
  qb::PlanLibrary::instance().destroyHiddenWindow();
  return 0;
}
