#include "bench/process_figures_win.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>

#include "mainwindow/form1_layout.h"
#include "settings/ansi_code_page_win.h"
#include "settings/password_scrambler.h"
#include "settings/random_source.h"
#include "settings/registry_settings_store_win.h"
#include "tests/support/pbw_remote_win.h"

namespace pbw::bench {
namespace {

constexpr double kMb = 1024.0 * 1024.0;

// One entry of the system's handle list (SystemHandleInformation).
struct SystemHandleEntry {
  USHORT processId;
  USHORT creatorBackTraceIndex;
  UCHAR objectType;
  UCHAR attributes;
  USHORT value;
  PVOID object;
  ULONG access;
};
struct SystemHandleList {
  ULONG count;
  SystemHandleEntry entries[1];
};
using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
constexpr ULONG kSystemHandleInformation = 16;

// Counted in the system's handle list, for where GetProcessHandleCount only says 0 (Wine).
DWORD HandlesInSystemList(DWORD processId) {
  const auto query = reinterpret_cast<QuerySystemInformation>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return 0;
  std::vector<unsigned char> buffer(1 << 20);
  ULONG needed = 0;
  while (query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) != 0) {
    if (buffer.size() >= (64u << 20)) return 0;
    buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed));
  }
  const auto* list = reinterpret_cast<const SystemHandleList*>(buffer.data());
  DWORD count = 0;
  for (ULONG i = 0; i < list->count; ++i) count += list->entries[i].processId == processId;
  return count;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  ::EnumChildWindows(window, &CountWindow, count);
  return TRUE;
}

// The process's windows, top-level, children and message-only ones: for where GetGuiResources
// only says 0 (Wine), the bulk of its USER objects.
DWORD WindowsOf(DWORD processId) {
  DWORD count = 0;
  std::vector<HWND> topLevel;
  for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT))
    topLevel.push_back(window);
  for (HWND window = nullptr; (window = ::FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr));)
    topLevel.push_back(window);
  for (const HWND window : topLevel) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != processId) continue;
    CountWindow(window, reinterpret_cast<LPARAM>(&count));
  }
  return count;
}

double Milliseconds(const FILETIME& time) {
  return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000.0;
}

}  // namespace

Footprint FootprintOf(HANDLE process) {
  Footprint figures;
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (::GetProcessMemoryInfo(process, &memory, sizeof memory)) {
    figures.workingSetMb = static_cast<double>(memory.WorkingSetSize) / kMb;
    // The commit charge: the process's private bytes (Wine counts its anonymous resident pages).
    figures.privateMb = static_cast<double>(memory.PagefileUsage) / kMb;
  }
  ::GetProcessHandleCount(process, &figures.handles);
  if (figures.handles == 0) figures.handles = HandlesInSystemList(::GetProcessId(process));
  figures.gdiObjects = ::GetGuiResources(process, GR_GDIOBJECTS);
  figures.userObjects = ::GetGuiResources(process, GR_USEROBJECTS);
  if (figures.userObjects == 0) figures.userObjects = WindowsOf(::GetProcessId(process));
  return figures;
}

DWORD ThreadsOf(DWORD processId) {
  const HANDLE list = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (list == INVALID_HANDLE_VALUE) return 0;
  const UniqueKernelHandle snapshot(list);
  DWORD count = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Thread32First(snapshot.get(), &entry); more; more = ::Thread32Next(snapshot.get(), &entry)) {
    if (entry.th32OwnerProcessID == processId) ++count;
  }
  return count;
}

double CpuMs(HANDLE process) {
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!::GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
  return Milliseconds(kernel) + Milliseconds(user);
}

double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void StoreAccount(const std::wstring& server, const std::wstring& mailbox, const std::wstring& password) {
  RegistrySettingsStore store;
  SystemSeededRandom random;
  AnsiCodePage codePage;
  PasswordScrambler scrambler(random, codePage);
  store.WriteValue(L"POP3", server);
  store.WriteValue(L"PORT", L"110");
  store.WriteValue(L"MBOX", mailbox);
  store.WriteValue(L"PASS", scrambler.ConvertPassword(password, true));
  store.WriteValue(L"CLIENT", L"");
  store.WriteValue(L"TIME", L"16");
}

void PressTest(HWND mainWindow) {
  const HWND button = ::GetDlgItem(mainWindow, static_cast<int>(ControlId::Btn2));
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(mainWindow, WM_COMMAND, MAKEWPARAM(static_cast<int>(ControlId::Btn2), BN_CLICKED),
                        reinterpret_cast<LPARAM>(button), SMTO_NORMAL, 10000, &result);
}

std::wstring PbwExe() { return testing::WindowsPath(PBW_EXE_BUILD_PATH); }

}  // namespace pbw::bench
