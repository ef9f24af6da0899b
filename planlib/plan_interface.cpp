#include "planlib/plan_interface.h"

#include "platform/win32/text_conversion.h"

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

int CPlanInterface::m_PlanInit(void* hostThread) {
  m_HostThread = hostThread;
  return 0;
}
