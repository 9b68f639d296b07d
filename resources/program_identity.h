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

// Web addresses are bare host names: the shell takes a name beginning with "www." for a web address.
inline constexpr std::wstring_view kMakerHost = L"www.trelvik.example";
inline constexpr std::wstring_view kMakerAboutPagePath = L"/ueber_trelvik.htm";
inline constexpr std::wstring_view kMagazineWebSite = L"www.netzpost-magazin.example";
inline constexpr std::wstring_view kSupportMailAddress = L"support@trelvik.example";

}  // namespace pbw
