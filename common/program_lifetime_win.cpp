#include "common/program_lifetime_win.h"

#include <windows.h>

namespace pbw {

void ProgramLifetime::WindowUnloaded() {
  if (loadedWindows_ > 0 && --loadedWindows_ == 0) ::PostQuitMessage(0);
}

}  // namespace pbw
