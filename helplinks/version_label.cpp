#include "helplinks/version_label.h"

#include "common/text_helpers.h"

namespace pbw {
namespace {

int HundredsRoundedHalfEven(int revision) {
  const int hundreds = revision / 100;
  const int rest = revision % 100;
  if (rest > 50 || (rest == 50 && hundreds % 2 != 0)) return hundreds + 1;
  return hundreds;
}

}  // namespace

std::wstring VersionLabel(const ProgramVersion& version) {
  std::wstring label = L" (V" + DecimalText(version.major) + L"." + DecimalText(version.minor);
  if (version.revision > 99) label += static_cast<wchar_t>(L'a' - 1 + HundredsRoundedHalfEven(version.revision));
  return label + L")";
}

}  // namespace pbw
