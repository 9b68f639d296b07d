#pragma once
// The program runs while any of its top-level windows is loaded: the main window, or an About
// dialog left open after the main window was unloaded. One per message loop.

namespace pbw {

class ProgramLifetime {
 public:
  void WindowLoaded() { ++loadedWindows_; }
  // Ends the message loop of the calling thread once no loaded window remains.
  void WindowUnloaded();

 private:
  int loadedWindows_ = 0;
};

}  // namespace pbw
