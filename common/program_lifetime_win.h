#pragma once
// The program runs while any of its top-level windows is loaded: the main window, or an About
// dialog left open after the main window was unloaded.

namespace pbw {

void WindowLoaded();
// Ends the message loop once no loaded window remains.
void WindowUnloaded();

}  // namespace pbw
