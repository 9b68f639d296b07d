#pragma once
// The texts of the About dialog: what its label shows and the address of the prepared mail.

#include <string>
#include <string_view>

#include "resources/program_identity.h"

namespace pbw {

// Product line, maker line with the years up to `currentYear`, and the invitation to the maker's
// web site. Lines are broken by a lone CR.
std::wstring AboutText(int currentYear, const ProgramVersion& version = kProgramVersion);

// "mailto:" + support address + "?subject=" + product, version label and Windows version. Nothing in
// it is escaped: the shell hands it to the mail program as it stands.
std::wstring SupportMailAddress(std::wstring_view windowsVersionText, const ProgramVersion& version = kProgramVersion);

}  // namespace pbw
