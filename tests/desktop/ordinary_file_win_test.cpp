#include "desktop/ordinary_file_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "tests/support/test_files_win.h"

namespace pbw {
namespace {

class OrdinaryFileTest : public ::testing::Test {
 protected:
  testing::TestFiles files{L"PBW Datei Ü😀"};
};

TEST_F(OrdinaryFileTest, FindsPlainReadOnlyAndArchivedFiles) {
  EXPECT_TRUE(FindsOrdinaryFile(files.Create(L"Wächter 😀.lnk")));
  EXPECT_TRUE(FindsOrdinaryFile(files.Create(L"schreibgeschützt.lnk", FILE_ATTRIBUTE_READONLY)));
  EXPECT_TRUE(FindsOrdinaryFile(files.Create(L"archiviert.lnk", FILE_ATTRIBUTE_ARCHIVE)));
}

TEST_F(OrdinaryFileTest, HiddenAndSystemFilesAndFoldersAreNotFound) {
  EXPECT_FALSE(FindsOrdinaryFile(files.Create(L"versteckt.lnk", FILE_ATTRIBUTE_HIDDEN)));
  EXPECT_FALSE(FindsOrdinaryFile(files.Create(L"system.lnk", FILE_ATTRIBUTE_SYSTEM)));
  std::filesystem::create_directory(files.Folder() / L"Ordner.lnk");
  EXPECT_FALSE(FindsOrdinaryFile(files.PathOf(L"Ordner.lnk")));
}

TEST_F(OrdinaryFileTest, MissingFilesPatternsAndInvalidPathsAreNotFound) {
  files.Create(L"PostboxWatchman.lnk");
  for (const std::wstring& path :
       {files.PathOf(L"Fehlt.lnk"), files.PathOf(L"Fehlt\\PostboxWatchman.lnk"), std::wstring(),
        files.PathOf(L"ung\u00fcltig<|>\\PostboxWatchman.lnk"), std::wstring(L"\\\\?\\kein Pfad")}) {
    EXPECT_FALSE(FindsOrdinaryFile(path)) << ::testing::PrintToString(path);
  }
  EXPECT_FALSE(FindsOrdinaryFile(files.PathOf(L"*.lnk")));
  EXPECT_FALSE(FindsOrdinaryFile(files.PathOf(L"PostboxWatchma?.lnk")));
}

}  // namespace
}  // namespace pbw
