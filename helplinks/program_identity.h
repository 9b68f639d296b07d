#pragma once
// What the program says about itself: its name, its version and how to reach its maker.
// The version resource (resources/version.rc) repeats the version numbers and the maker's name.

#include <string_view>

namespace pbw {

struct ProgramVersion {
  int major = 0;
  int minor = 0;
  int revision = 0;
};

inline constexpr ProgramVersion kProgramVersion{1, 1, 102};

// Caption of every message box that has no caption of its own.
inline constexpr std::wstring_view kProgramTitle = L"PostboxWatchman";
inline constexpr std::wstring_view kProductName = L"PostboxWatchman";

inline constexpr std::wstring_view kMakerName = L"Trelvik Software";
inline constexpr int kMakerFirstYear = 2001;

// Web addresses are bare host names: the shell takes a name beginning with "www." for a web address.
inline constexpr std::wstring_view kMakerHost = L"www.trelvik.example";
inline constexpr std::wstring_view kMakerWebSite = kMakerHost;
inline constexpr std::wstring_view kMakerAboutPagePath = L"/ueber_trelvik.htm";
inline constexpr std::wstring_view kMagazineWebSite = L"www.netzpost-magazin.example";
inline constexpr std::wstring_view kSupportMailAddress = L"support@trelvik.example";

}  // namespace pbw
