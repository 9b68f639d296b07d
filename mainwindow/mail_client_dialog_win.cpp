#include "mainwindow/mail_client_dialog_win.h"

#include <commdlg.h>

#include <utility>

#include "common/text_helpers.h"

namespace pbw {
namespace {

// Long enough for any path Windows can hand back, long paths included.
constexpr std::size_t kPathBufferLength = 32768;

std::wstring FolderOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  std::wstring folder = path.substr(0, slash + 1);
  const DWORD attributes = ::GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
  return folder;
}

}  // namespace

std::optional<std::wstring> ChooseMailClient(HWND owner, const std::wstring& currentPath) {
  static constexpr wchar_t kFilters[] = L"Alle (*.*)\0*.*\0Programme (*.exe)\0*.exe\0";
  std::wstring file(kPathBufferLength, L'\0');
  const std::wstring folder = FolderOf(currentPath);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kFilters;
  dialog.nFilterIndex = 2;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = L"Mail-Client auswählen";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;  // 0x1804
  if (!::GetOpenFileNameW(&dialog)) return std::nullopt;
  return CutAtNul(std::move(file));
}

}  // namespace pbw
