#include "app/win32/single_instance.h"

#include <windows.h>

namespace qb {

bool AcquireSingleInstance() {
  HANDLE mutex = CreateMutexW(nullptr, TRUE, L"quillbox2");
  return !(mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS);
}

}  // namespace qb
