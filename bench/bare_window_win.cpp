// The baseline for start-up and footprint: a program that loads the system DLLs PBW.exe imports,
// creates one hidden top-level window and waits in its message loop, doing nothing else.

#include <windows.h>

namespace {

// PBW.exe's imports (objdump -p PBW.exe), loaded as the loader would load them.
constexpr const wchar_t* kSystemDlls[] = {L"advapi32.dll", L"comctl32.dll", L"comdlg32.dll", L"crypt32.dll",
                                          L"gdi32.dll",    L"ole32.dll",    L"secur32.dll",  L"shell32.dll",
                                          L"user32.dll",   L"wininet.dll",  L"ws2_32.dll"};

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Loaded for the program's life, as imports are: never freed.
  for (const wchar_t* dll : kSystemDlls) {
    if (!::LoadLibraryW(dll)) return 1;
  }
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"PbwBenchBareWindow";
  ::RegisterClassExW(&windowClass);
  if (!::CreateWindowExW(WS_EX_DLGMODALFRAME, windowClass.lpszClassName, L"PBW bench bare window",
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, nullptr,
                         nullptr, instance, nullptr)) {
    return 1;
  }
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  return 0;
}
