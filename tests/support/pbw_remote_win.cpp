#include "tests/support/pbw_remote_win.h"

#include <shellapi.h>

#include <vector>

#include "common/wide_text_win.h"
#include "resources/program_identity.h"

namespace pbw::testing {
namespace {

constexpr DWORD kMessageLimitMs = 10000;

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageLimitMs, &result);
  return static_cast<LRESULT>(result);
}

struct WindowSearch {
  DWORD processId;
  std::wstring_view caption;
  HWND besides;
  std::wstring_view className;  // any when empty
  HWND found;
};

std::wstring ClassOf(HWND window) {
  wchar_t name[256]{};
  return std::wstring(name, static_cast<std::size_t>(::GetClassNameW(window, name, 256)));
}

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || window == search->besides || TextOf(window) != search->caption) return TRUE;
  if (!search->className.empty() && ClassOf(window) != search->className) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindTopLevelWindow(DWORD processId, std::wstring_view caption, HWND besides, std::wstring_view className = {}) {
  WindowSearch search{processId, caption, besides, className, nullptr};
  ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM context) {
  reinterpret_cast<std::vector<HWND>*>(context)->push_back(child);
  return TRUE;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

}  // namespace

std::wstring TextOf(HWND window) {
  const auto length = static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH, 0, 0));
  std::vector<wchar_t> buffer(length + 1);
  const auto copied = Send(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

std::vector<std::wstring> ChildTexts(HWND window) {
  std::vector<std::wstring> texts;
  for (const HWND child : Children(window)) texts.push_back(TextOf(child));
  return texts;
}

HWND ChildWithText(HWND window, std::wstring_view text) {
  for (const HWND child : Children(window)) {
    if (TextOf(child) == text) return child;
  }
  return nullptr;
}

bool HasTrayIcon(HWND window, UINT iconId) {
  // Only an icon that exists can be modified; a modification that changes nothing leaves it as it is.
  NOTIFYICONDATAW probe{};
  probe.cbSize = sizeof(probe);
  probe.hWnd = window;
  probe.uID = iconId;
  return ::Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

std::wstring WindowsPath(std::string_view buildPath) {
  std::wstring path = WideFromCodePage(buildPath, CP_UTF8);
  if (!path.empty() && path.front() == L'/') path = L"Z:" + path;
  for (auto& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

UniqueKernelHandle StartProgram(const std::wstring& exePath, const std::wstring& arguments, DWORD& processId) {
  std::wstring commandLine = L"\"" + exePath + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
    return {};
  }
  ::CloseHandle(info.hThread);
  processId = info.dwProcessId;
  return UniqueKernelHandle(info.hProcess);
}

std::optional<DWORD> RunToEnd(const std::wstring& exePath, const std::wstring& arguments, DWORD limitMs) {
  DWORD processId = 0;
  const UniqueKernelHandle process = StartProgram(exePath, arguments, processId);
  if (!process) return std::nullopt;
  if (::WaitForSingleObject(process.get(), limitMs) != WAIT_OBJECT_0) {
    ::TerminateProcess(process.get(), 1);
    return std::nullopt;
  }
  DWORD exitCode = 0;
  ::GetExitCodeProcess(process.get(), &exitCode);
  return exitCode;
}

RunningPbw::RunningPbw(const std::wstring& exePath, const std::wstring& arguments) {
  process_ = StartProgram(exePath, arguments, processId_);
  if (!process_) return;
  // The main window gets its caption as the last step of its load; a message box of the load has
  // the same caption.
  PumpMessagesUntil([&] {
    window_ = FindTopLevelWindow(processId_, L"PostboxWatchman", nullptr, kMainWindowClass);
    return window_ != nullptr;
  });
  // What a test sends must wait until the start, which may show the window, has ended.
  ::WaitForInputIdle(process_.get(), kMessageLimitMs);
}

RunningPbw::~RunningPbw() {
  if (process_ && !HasExited()) {
    ::TerminateProcess(process_.get(), 1);
    ::WaitForSingleObject(process_.get(), kMessageLimitMs);
  }
}

HWND RunningPbw::Control(ControlId id) const { return ::GetDlgItem(window_, static_cast<int>(id)); }

void RunningPbw::TrayNotification(UINT mouseMessage) const {
  Send(window_, WM_USER, 0, static_cast<LPARAM>(mouseMessage));
}

void RunningPbw::Press(ControlId button) const { Send(Control(button), BM_CLICK, 0, 0); }

void RunningPbw::Close() const { Send(window_, WM_SYSCOMMAND, SC_CLOSE, 0); }

void RunningPbw::AltF4() const {
  constexpr LPARAM kAltHeld = 1 << 29;
  ::PostMessageW(window_, WM_SYSKEYDOWN, VK_F4, kAltHeld | 1);
}

HWND RunningPbw::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(window_, nullptr), &info);
  return info.hwndFocus;
}

void RunningPbw::PressKey(WPARAM key) const {
  const HWND focus = Focus();
  ::PostMessageW(focus, WM_KEYDOWN, key, 1);
  // Sent, not posted: it returns once the program has handled the key press queued before it.
  Send(focus, WM_NULL, 0, 0);
  ::PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
  Send(focus, WM_NULL, 0, 0);
}

void RunningPbw::CloseFromOutside() const { ::PostMessageW(window_, WM_CLOSE, 0, 0); }

std::wstring RunningPbw::Text(ControlId id) const { return TextOf(Control(id)); }

void RunningPbw::PressWithoutWaiting(ControlId button) const {
  ::PostMessageW(window_, WM_COMMAND, MAKEWPARAM(static_cast<int>(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(button)));
}

HWND RunningPbw::FindWindowOfProgram(std::wstring_view caption, HWND besides) const {
  return FindTopLevelWindow(processId_, caption, besides);
}

HWND RunningPbw::WaitForWindowOfProgram(std::wstring_view caption, HWND besides) const {
  HWND found = nullptr;
  PumpMessagesUntil([&] { return (found = FindWindowOfProgram(caption, besides)) != nullptr; });
  return found;
}

void RunningPbw::SetText(ControlId id, const std::wstring& text) const {
  Send(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int RunningPbw::SelectedIndex(ControlId comboBox) const {
  return static_cast<int>(Send(Control(comboBox), CB_GETCURSEL, 0, 0));
}

std::wstring RunningPbw::StatusLine() const { return Text(ControlId::Sbar); }

bool RunningPbw::IsVisible() const { return ::IsWindowVisible(window_) != FALSE; }

bool RunningPbw::WaitForStatus(std::wstring_view text, std::chrono::milliseconds limit) const {
  return PumpMessagesUntil([&] { return StatusLine() == text; }, limit);
}

bool RunningPbw::WaitForExit() { return process_ && ::WaitForSingleObject(process_.get(), 30000) == WAIT_OBJECT_0; }

bool RunningPbw::HasExited() const { return ::WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

}  // namespace pbw::testing
