#pragma once
// The short version label shown after the product name, such as " (V1.1a)".

#include <string>

#include "resources/program_identity.h"

namespace pbw {

// " (V" major "." minor letter ")". Revisions above 99 add the letter whose place in the alphabet is
// revision / 100, rounded with halves to the even neighbour: 100-149 give a, 150-250 give b.
std::wstring VersionLabel(const ProgramVersion& version = kProgramVersion);

}  // namespace pbw
