#include "helplinks/version_label.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pbw {
namespace {

struct LabelCase {
  ProgramVersion version;
  const wchar_t* label;
};

void PrintTo(const LabelCase& c, std::ostream* out) {
  *out << c.version.major << "." << c.version.minor << " revision " << c.version.revision;
}

class VersionLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(VersionLabelTest, ShowsMajorMinorAndTheRevisionLetter) {
  EXPECT_EQ(VersionLabel(GetParam().version), GetParam().label);
}

// The letter is revision / 100 rounded with halves to the even neighbour: 150 and 250 both give b.
INSTANTIATE_TEST_SUITE_P(Revisions, VersionLabelTest,
                         ::testing::Values(LabelCase{{1, 1, 0}, L" (V1.1)"}, LabelCase{{1, 1, 99}, L" (V1.1)"},
                                           LabelCase{{1, 1, 100}, L" (V1.1a)"}, LabelCase{{1, 1, 102}, L" (V1.1a)"},
                                           LabelCase{{1, 1, 149}, L" (V1.1a)"}, LabelCase{{1, 1, 150}, L" (V1.1b)"},
                                           LabelCase{{1, 1, 250}, L" (V1.1b)"}, LabelCase{{1, 1, 251}, L" (V1.1c)"},
                                           LabelCase{{1, 1, 349}, L" (V1.1c)"}, LabelCase{{1, 1, 350}, L" (V1.1d)"},
                                           LabelCase{{1, 1, 450}, L" (V1.1d)"}, LabelCase{{1, 1, 451}, L" (V1.1e)"},
                                           LabelCase{{2, 10, 102}, L" (V2.10a)"}));

TEST(VersionLabel, OfThisProgramIsVersionOnePointOneA) { EXPECT_EQ(VersionLabel(), L" (V1.1a)"); }

}  // namespace
}  // namespace pbw
