#pragma once
// The replacement window procedure of the main window: it takes the tray icon's notifications
// (message 1024) and passes every other message to the procedure it replaced.

#include <windows.h>

#include <cstdint>
#include <functional>

namespace pbw {

// What a press on the tray icon does; the owner of the hooked window decides.
using TrayClickHandler = std::function<void(std::uint32_t iconId)>;

// Once per window, and not again before RemoveWindowHook: a second install would forward to itself.
void InstallWindowHook(HWND window, TrayClickHandler onClick);
// Puts the previous procedure back. The window and the procedure stay remembered, so a second
// remove sets the same procedure again.
void RemoveWindowHook();

// The window whose procedure was replaced; null before the first install.
HWND HookedWindow();

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void OnTrayIconClick(std::uint32_t iconId);
// A double click has already shown the window through its first press.
void OnTrayIconDoubleClick(std::uint32_t iconId);

}  // namespace pbw
