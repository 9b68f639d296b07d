#pragma once
// The keys of the account settings in the store, and what a missing key reads as.

#include <string_view>

namespace pbw::settings_key {

inline constexpr std::wstring_view kServer = L"POP3";
inline constexpr std::wstring_view kPort = L"PORT";
inline constexpr std::wstring_view kMailbox = L"MBOX";
inline constexpr std::wstring_view kPassword = L"PASS";
inline constexpr std::wstring_view kMailClient = L"CLIENT";
// The index of the chosen entry of the interval list, not its minutes.
inline constexpr std::wstring_view kInterval = L"TIME";

inline constexpr std::wstring_view kDefaultServer = L"pop.example.com";
inline constexpr std::wstring_view kDefaultMailbox = L"vorname.nachname@example.com";

}  // namespace pbw::settings_key
