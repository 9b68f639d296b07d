#pragma once
// What the benchmark and the soak read of a running process, and the settings they give PBW.exe.

#include <windows.h>

#include <string>
#include <vector>

namespace pbw::bench {

// Where Wine has no figure (GetProcessHandleCount, GetGuiResources), the handles are counted in the
// system's handle list and the USER objects stand for the process's windows; GDI objects stay 0.
struct Footprint {
  double workingSetMb = 0;
  double privateMb = 0;
  DWORD handles = 0;
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;
};
Footprint FootprintOf(HANDLE process);

// The threads the process runs now.
DWORD ThreadsOf(DWORD processId);

// User plus kernel CPU time of the process so far, in milliseconds.
double CpuMs(HANDLE process);

double Median(std::vector<double> values);

// The account PBW.exe checks, written where it reads it at start; the interval stays long enough
// that no scheduled check interferes.
void StoreAccount(const std::wstring& server, const std::wstring& mailbox, const std::wstring& password);

// Sends the main window what "&Test" sends it; returns once the check has started.
void PressTest(HWND mainWindow);

// The PBW.exe of this build, as a Windows path.
std::wstring PbwExe();

}  // namespace pbw::bench
