#include "helplinks/windows_version_win.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace pbw {
namespace {

// The old version call packs the same facts its own way: major and minor in the low word, the build
// in the high word on the NT family.
TEST(WindowsVersionWin, AgreesWithTheOldVersionCall) {
  const DWORD old = ::GetVersion();
  ASSERT_EQ(old & 0x80000000u, 0u) << "not the NT family";
  EXPECT_EQ(WindowsVersionText(), std::to_wstring(LOBYTE(LOWORD(old))) + L"." + std::to_wstring(HIBYTE(LOWORD(old))) +
                                      L"." + std::to_wstring(HIWORD(old)));
}

}  // namespace
}  // namespace pbw
