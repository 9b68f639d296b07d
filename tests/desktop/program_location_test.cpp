#include "desktop/program_location.h"

#include <gtest/gtest.h>

#include <string>

namespace pbw {
namespace {

struct BackslashCase {
  const char* name;
  std::wstring text;
  std::wstring expected;
};

class AddTrailingBackslashTest : public ::testing::TestWithParam<BackslashCase> {};

TEST_P(AddTrailingBackslashTest, AppendsOneBackslashUnlessThereIsOne) {
  EXPECT_EQ(AddTrailingBackslash(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, AddTrailingBackslashTest,
                         ::testing::Values(BackslashCase{"Empty", L"", L"\\"},
                                           BackslashCase{"Folder", L"C:\\Tools", L"C:\\Tools\\"},
                                           BackslashCase{"EndsInBackslash", L"C:\\Tools\\", L"C:\\Tools\\"},
                                           BackslashCase{"EndsInSlash", L"C:/Tools/", L"C:/Tools/\\"},
                                           BackslashCase{"EndsInTwoBackslashes", L"C:\\Tools\\\\", L"C:\\Tools\\\\"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LocationCase {
  const char* name;
  std::wstring modulePath;
  std::wstring folder;
  std::wstring exePath;
};

class ProgramLocationTest : public ::testing::TestWithParam<LocationCase> {};

TEST_P(ProgramLocationTest, FolderEndsInOneBackslashAndThePathInExe) {
  EXPECT_EQ(AppFolderOf(GetParam().modulePath), GetParam().folder);
  EXPECT_EQ(ProgramFileOf(GetParam().modulePath, L".exe"), GetParam().exePath);
}

INSTANTIATE_TEST_SUITE_P(
    ModulePaths, ProgramLocationTest,
    ::testing::Values(
        LocationCase{"Folder", L"C:\\Tools\\PBW.exe", L"C:\\Tools\\", L"C:\\Tools\\PBW.exe"},
        LocationCase{"DriveRoot", L"C:\\PBW.exe", L"C:\\", L"C:\\PBW.exe"},
        LocationCase{"Share", L"\\\\Server\\Freigabe\\PBW.exe", L"\\\\Server\\Freigabe\\",
                     L"\\\\Server\\Freigabe\\PBW.exe"},
        LocationCase{"OtherExtension", L"C:\\Tools\\PBW.bin", L"C:\\Tools\\", L"C:\\Tools\\PBW.exe"},
        LocationCase{"UpperCaseExtension", L"C:\\Tools\\PBW.EXE", L"C:\\Tools\\", L"C:\\Tools\\PBW.exe"},
        LocationCase{"DotInBaseName", L"C:\\Tools\\PBW.alt.exe", L"C:\\Tools\\", L"C:\\Tools\\PBW.alt.exe"},
        LocationCase{"DotInFolderOnly", L"C:\\Tools.v2\\PBW", L"C:\\Tools.v2\\", L"C:\\Tools.v2\\PBW.exe"},
        LocationCase{"Unicode", L"C:\\Программы\\Почта 😀\\Wächter.exe", L"C:\\Программы\\Почта 😀\\",
                     L"C:\\Программы\\Почта 😀\\Wächter.exe"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramFileOfTest, WritesTheExtensionAsGiven) {
  EXPECT_EQ(ProgramFileOf(L"C:\\Tools\\PBW.exe", L".EXE"), L"C:\\Tools\\PBW.EXE");
}

}  // namespace
}  // namespace pbw
