// A start whose main window cannot be created says so and ends, instead of living on unseen.

#include "mainwindow/postbox_watchman_win.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "resources/program_identity.h"
#include "tests/support/pbw_remote_win.h"

namespace pbw {
namespace {

// Refuses to create the main window, as Windows does when it runs out of resources.
LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    wchar_t className[64]{};
    ::GetClassNameW(reinterpret_cast<HWND>(wParam), className, 64);
    if (std::wstring_view(className) == kMainWindowClass) return 1;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// The message box of this process with the program's caption.
HWND MessageBoxOfThisProcess() {
  for (HWND box = ::FindWindowW(L"#32770", L"PostboxWatchman"); box != nullptr;
       box = ::FindWindowExW(nullptr, box, L"#32770", L"PostboxWatchman")) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(box, &owner);
    if (owner == ::GetCurrentProcessId()) return box;
  }
  return nullptr;
}

TEST(ProgramStart, AMainWindowThatCannotBeCreatedIsReportedAndTheProgramEnds) {
  const HHOOK hook = ::SetWindowsHookExW(WH_CBT, &RefuseMainWindow, nullptr, ::GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  const DWORD programThread = ::GetCurrentThreadId();
  constexpr std::wstring_view kMessage = L"PostboxWatchman konnte nicht gestartet werden.";
  bool reported = false;
  std::thread user([&] {
    // The box's caption comes before its text: wait for the text.
    reported = testing::PumpMessagesUntil(
        [&] {
          const HWND box = MessageBoxOfThisProcess();
          return box != nullptr && testing::ChildWithText(box, kMessage) != nullptr;
        },
        std::chrono::seconds(10));
    if (reported) {
      ::PostMessageW(MessageBoxOfThisProcess(), WM_COMMAND, IDOK, 0);
    } else {
      ::PostThreadMessageW(programThread, WM_QUIT, 0, 0);  // a program that lives on unseen
    }
  });
  const int exitCode = RunPostboxWatchman(::GetModuleHandleW(nullptr), L"");
  user.join();
  ::UnhookWindowsHookEx(hook);

  EXPECT_NE(exitCode, 0);
  EXPECT_TRUE(reported);
}

}  // namespace
}  // namespace pbw
