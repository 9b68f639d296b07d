#include "desktop/program_location_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/test_files_win.h"

namespace pbw {
namespace {

// The path of this test program as another part of the platform reports it.
std::wstring ImageName() {
  std::wstring name(32768, L'\0');
  DWORD length = static_cast<DWORD>(name.size());
  if (!::QueryFullProcessImageNameW(::GetCurrentProcess(), 0, name.data(), &length)) return {};
  name.resize(length);
  return name;
}

TEST(ProgramLocationWinTest, NamesThisTestProgram) {
  const std::wstring image = ImageName();
  ASSERT_EQ(image.substr(image.size() - 4), L".exe");
  EXPECT_EQ(GetExePath(), image);
  EXPECT_EQ(GetAppFolder(), image.substr(0, image.rfind(L'\\') + 1));
}

// Frees the library when the test ends, however it ends.
struct LoadedLibrary {
  explicit LoadedLibrary(const std::wstring& path) : module(::LoadLibraryW(path.c_str())) {}
  ~LoadedLibrary() {
    if (module != nullptr) ::FreeLibrary(module);
  }
  HMODULE module;
};

TEST(ProgramLocationWinTest, ModulePathsLongerThanMaxPathWithAnyCharacter) {
  testing::TestFiles files(L"PBW Ort");
  // Far beyond MAX_PATH in all, with characters outside every ANSI code page. The platform
  // starts no program from such a path, but it loads a library from there.
  std::wstring folder = L"\\\\?\\" + files.Folder().wstring();
  for (const wchar_t* part : {L"\\Программы Ü😀 ", L"\\Почта ☃ "}) {
    folder += part + std::wstring(150, L'x');
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr)) << ::GetLastError();
  }
  const std::wstring probe = folder + L"\\Wächter 😀.dll";
  ASSERT_TRUE(::CopyFileW((GetAppFolder() + L"location_probe.dll").c_str(), probe.c_str(), TRUE)) << ::GetLastError();
  {
    const LoadedLibrary library(probe);
    ASSERT_NE(library.module, nullptr) << ::GetLastError();
    EXPECT_EQ(ModulePath(library.module), probe.substr(4));
  }
  ::DeleteFileW(probe.c_str());
  for (int level = 0; level < 2; ++level) {
    ::RemoveDirectoryW(folder.c_str());
    folder.resize(folder.rfind(L'\\'));
  }
}

}  // namespace
}  // namespace pbw
