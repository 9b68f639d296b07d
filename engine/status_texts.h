#pragma once
// The texts of the status line (panel 1): how a check session and the set-up of a secure
// connection end, and the steps on the way.

#include <string_view>

namespace pbw::status_text {

inline constexpr std::wstring_view kLoggingIn = L"Anmeldung an das Mailkonto läuft ...";
inline constexpr std::wstring_view kOpening = L"Das Mailkonto wird geöffnet ...";
inline constexpr std::wstring_view kHostNotAnswering = L"Host antwortet nicht";
inline constexpr std::wstring_view kMailboxUnknown = L"Postfach nicht bekannt.";
// The server refused the mailbox name sent in clear, naming the login ([AUTH]) as the reason.
inline constexpr std::wstring_view kPlainLoginRefused = L"Anmeldung abgelehnt: Server verlangt sichere Verbindung";
inline constexpr std::wstring_view kLoginRejected = L"Postfach und/oder Passwort nicht korrekt.";
inline constexpr std::wstring_view kNewMail = L"Neue Mail liegt vor ...";
inline constexpr std::wstring_view kMailboxEmpty = L"Postfach leer";
inline constexpr std::wstring_view kUnknownStep = L"Unbekannter Step: ";

// The set-up of a secure connection failed.
inline constexpr std::wstring_view kTlsUntrusted =
    L"Sichere Verbindung fehlgeschlagen: Zertifikat nicht vertrauenswürdig";
inline constexpr std::wstring_view kTlsWrongHost =
    L"Sichere Verbindung fehlgeschlagen: Zertifikat gehört nicht zu diesem Server";
inline constexpr std::wstring_view kTlsExpired = L"Sichere Verbindung fehlgeschlagen: Zertifikat abgelaufen";
inline constexpr std::wstring_view kTlsFailed = L"Sichere Verbindung fehlgeschlagen";

}  // namespace pbw::status_text
