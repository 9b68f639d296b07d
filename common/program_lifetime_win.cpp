#include "common/program_lifetime_win.h"

#include <windows.h>

namespace pbw {
namespace {

// Only the user-interface thread loads and unloads windows.
int loadedWindows = 0;

}  // namespace

void WindowLoaded() { ++loadedWindows; }

void WindowUnloaded() {
  if (loadedWindows > 0 && --loadedWindows == 0) ::PostQuitMessage(0);
}

}  // namespace pbw
