#pragma once
// The program runs while any of its forms is loaded: the main window, or an About dialog left open
// after the main window was unloaded. One per message loop.

#include <windows.h>

#include <vector>

namespace pbw {

class ProgramLifetime {
 public:
  void FormLoaded(HWND form);
  // Ends the message loop of the calling thread once no loaded form remains.
  void FormUnloaded(HWND form);

  // Tab, Alt + access key and the arrow keys move between the controls of whichever loaded form the
  // message is for. True when it was such a message and has been handled: the loop then neither
  // translates nor dispatches it.
  bool HandleDialogMessage(MSG& message);
  // Until the last form has been unloaded.
  void RunMessageLoop();

 private:
  std::vector<HWND> loaded_;
};

}  // namespace pbw
