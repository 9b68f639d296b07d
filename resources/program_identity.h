#pragma once
// What the program says about itself: its name, its version and how to reach its maker.
// Name, version and maker come from the build (project() in CMakeLists.txt), as they do for the
// version record and the manifest.

#include <string_view>

#include "resources/program_identity_values.h"

#define PBW_WIDE_TEXT_(text) L##text
#define PBW_WIDE_TEXT(text) PBW_WIDE_TEXT_(text)

namespace pbw {

struct ProgramVersion {
  int major = 0;
  int minor = 0;
  int revision = 0;
};

inline constexpr ProgramVersion kProgramVersion{PBW_VERSION_MAJOR, PBW_VERSION_MINOR, PBW_VERSION_REVISION};

// Also the caption of every message box that has no caption of its own.
inline constexpr std::wstring_view kProductName = PBW_WIDE_TEXT(PBW_PRODUCT_NAME);

inline constexpr std::wstring_view kMakerName = PBW_WIDE_TEXT(PBW_MAKER_NAME);
inline constexpr int kMakerFirstYear = PBW_MAKER_FIRST_YEAR;

// The names that stored data and other programs rely on: the stored settings, the Run entry, a
// running older copy and the installer. They never change, not even when the product or its maker
// is renamed; cmake/ProgramIdentity.cmake makes them, for the installer too.
// The settings' key below HKEY_CURRENT_USER: the maker's name, then the product's.
inline constexpr wchar_t kSettingsKeyPath[] = PBW_WIDE_TEXT(PBW_SETTINGS_KEY);
// The current user's Run entry, and the name of the Startup-folder shortcut older versions made.
inline constexpr wchar_t kRunEntryName[] = PBW_WIDE_TEXT(PBW_RUN_ENTRY_NAME);
// "Local\" is the namespace of the user's own session.
inline constexpr wchar_t kSingleInstanceMutexName[] = PBW_WIDE_TEXT(PBW_SINGLE_INSTANCE_MUTEX_NAME);
// A second start and the installer find the running copy by it.
inline constexpr wchar_t kMainWindowClass[] = PBW_WIDE_TEXT(PBW_MAIN_WINDOW_CLASS);

// Web addresses are bare host names: the shell takes a name beginning with "www." for a web address.
inline constexpr std::wstring_view kMakerHost = L"www.trelvik.example";
inline constexpr std::wstring_view kMakerAboutPagePath = L"/ueber_trelvik.htm";
inline constexpr std::wstring_view kMagazineWebSite = L"www.netzpost-magazin.example";
inline constexpr std::wstring_view kSupportMailAddress = L"support@trelvik.example";

}  // namespace pbw
