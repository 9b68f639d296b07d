#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <ostream>

#include "helplinks/online_help_win.h"
#include "tests/desktop/test_files_win.h"

namespace pbw {
namespace {

struct FileKind {
  const char* kind;
  DWORD attributes;
  bool counts;
};

void PrintTo(const FileKind& file, std::ostream* out) { *out << file.kind; }

class FileExistsTest : public ::testing::TestWithParam<FileKind> {
 protected:
  testing::TestFiles files_{L"pbw file exists"};
};

TEST_P(FileExistsTest, CountsOrdinaryFilesOnly) {
  EXPECT_EQ(FileExists(files_.Create(L"hilfe.htm", GetParam().attributes)), GetParam().counts);
}

INSTANTIATE_TEST_SUITE_P(Attributes, FileExistsTest,
                         ::testing::Values(FileKind{"ordinary", FILE_ATTRIBUTE_NORMAL, true},
                                           FileKind{"read-only", FILE_ATTRIBUTE_READONLY, true},
                                           FileKind{"archived", FILE_ATTRIBUTE_ARCHIVE, true},
                                           FileKind{"hidden", FILE_ATTRIBUTE_HIDDEN, false},
                                           FileKind{"system", FILE_ATTRIBUTE_SYSTEM, false},
                                           FileKind{"hidden read-only", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY,
                                                    false}));

TEST(FileExists, DoesNotCountAFolderOfThatName) {
  testing::TestFiles files(L"pbw file exists");
  std::filesystem::create_directory(files.Folder() / L"hilfe.htm");
  EXPECT_FALSE(FileExists(files.PathOf(L"hilfe.htm")));
}

TEST(FileExists, AnswersFalseForMissingAndInvalidPaths) {
  testing::TestFiles files(L"pbw file exists");
  for (const std::wstring& path : {files.PathOf(L"fehlt.htm"), files.PathOf(L"fehlt\\hilfe.htm"), std::wstring(),
                                   files.PathOf(L"ung\u00fcltig<|>\\hilfe.htm"), std::wstring(L"\\\\?\\kein Pfad")}) {
    EXPECT_FALSE(FileExists(path)) << ::testing::PrintToString(path);
  }
}

}  // namespace
}  // namespace pbw
