// The server text: split, composed again as host:port or [host]:port and split once more, it
// gives the same host and port.

#include "engine/server_address.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using pbw::fuzzing::Require;
  pbw::fuzzing::FuzzInput input(data, size);
  const pbw::ServerAddress first = pbw::SplitServerAddress(input.Text(size));
  Require(first.port != 0);
  Require(first.portGiven || first.port == pbw::kDefaultPop3Port);
  const pbw::ServerAddress again = pbw::SplitServerAddress(pbw::ComposeServerAddress(first.host, first.port));
  Require(again.host == first.host);
  Require(again.port == first.port);
  Require(again.portGiven);
  return 0;
}
