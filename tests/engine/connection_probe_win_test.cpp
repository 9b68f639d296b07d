#include "engine/connection_probe_win.h"

#include <gtest/gtest.h>

namespace pbw {
namespace {

// Wine always reports a connection of this name; it does not begin with "LAN-", so it counts.
TEST(InternetConnectionProbe, NamesTheActiveConnectionWithoutItsBufferRest) {
  EXPECT_EQ(InternetConnectionProbe().GetConnectionName(), L"LAN Connection");
}

}  // namespace
}  // namespace pbw
