#include "engine/status_trace.h"

#include "common/text_helpers.h"

namespace pbw {

std::wstring TimeoutText(std::int32_t seconds) {
  return L"Keine Antwort seit " + DecimalText(seconds) + L" sec. Die Verbindung wird daher abgebrochen.";
}

std::wstring ConnectLine(std::wstring_view serverText, std::uint16_t port, std::wstring_view connectionName,
                         std::wstring_view timeOfDay) {
  std::wstring line = L"Connecting to ";
  line += serverText;
  line += L", " + DecimalText(port) + L" via '";
  line += connectionName;
  line += L"' on ";
  line += timeOfDay;
  line += L"\r\n\r\n";
  return line;
}

}  // namespace pbw
