#include <windows.h>

#include "app/win32/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  qb::Program program;
  return program.run(instance);
}
