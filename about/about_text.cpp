#include "about/about_text.h"

#include "common/text_helpers.h"
#include "helplinks/version_label.h"

namespace pbw {
namespace {

constexpr wchar_t kLineBreak = L'\r';

}  // namespace

std::wstring AboutText(int currentYear, const ProgramVersion& version) {
  const std::wstring paragraph{kLineBreak, kLineBreak};
  return std::wstring(kProductName) + VersionLabel(version) + L" \u2013 Ihr automatischer eMail-W\u00e4chter" +
         paragraph + L"Copyright \u00a9 " + DecimalText(kMakerFirstYear) + L"\u2013" + DecimalText(currentYear) + L" " +
         std::wstring(kMakerName) + L". Sie erreichen mich per E-Mail unter " + std::wstring(kSupportMailAddress) +
         L"." + paragraph +
         L"Verbesserungsvorschl\u00e4ge sind mir immer gern willkommen. Weitere interessante Tools und Infos "
         L"finden Sie auf meiner Web-Site unter " +
         AsciiUpperCase(kMakerHost);
}

std::wstring SupportMailAddress(std::wstring_view windowsVersionText, const ProgramVersion& version) {
  return L"mailto:" + std::wstring(kSupportMailAddress) + L"?subject=" + std::wstring(kProductName) +
         VersionLabel(version) + L" unter Windows " + std::wstring(windowsVersionText);
}

}  // namespace pbw
