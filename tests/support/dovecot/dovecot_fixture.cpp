#include "tests/support/dovecot/dovecot_fixture.h"

#include <fstream>
#include <map>
#include <stdexcept>

namespace pbw::testing {

namespace {

using Settings = std::map<std::string, std::string, std::less<>>;

Settings ReadSettings(const char* path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error(std::string("no ") + path + ": the dovecot fixture has not started");
  Settings settings;
  for (std::string line; std::getline(file, line);) {
    const auto equals = line.find('=');
    if (equals != std::string::npos) settings[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return settings;
}

const std::string& Setting(const Settings& settings, const std::string& key) {
  const auto found = settings.find("PBW_DOVECOT_" + key);
  if (found == settings.end()) throw std::runtime_error("the dovecot fixture names no " + key);
  return found->second;
}

std::uint16_t Port(const Settings& settings, const std::string& key) {
  return static_cast<std::uint16_t>(std::stoul(Setting(settings, key)));
}

DovecotAccount Account(const Settings& settings, const std::string& name) {
  return {Setting(settings, name + "_USER"), Setting(settings, name + "_PASS")};
}

}  // namespace

DovecotFixture LoadDovecotFixture() {
  const Settings settings = ReadSettings(PBW_DOVECOT_ENV_FILE);
  DovecotFixture fixture;
  fixture.host = Setting(settings, "HOST");
  fixture.port = Port(settings, "PORT");
  fixture.tls.port = Port(settings, "TLS_PORT");
  fixture.tls.selfSignedPort = Port(settings, "SELFSIGNED_PORT");
  fixture.tls.unknownCaPort = Port(settings, "UNKNOWNCA_PORT");
  fixture.tls.expiredPort = Port(settings, "EXPIRED_PORT");
  fixture.tls.greetingClosePort = Port(settings, "GREETING_CLOSE_PORT");
  fixture.tls.floodPort = Port(settings, "FLOOD_PORT");
  fixture.tls.addressPort = Port(settings, "ADDRESS_PORT");
  fixture.stls.host = Setting(settings, "STLS_HOST");
  fixture.stls.port = Port(settings, "STLS_PORT");
  fixture.stls.selfSignedPort = Port(settings, "STLS_SELFSIGNED_PORT");
  fixture.tls.testCaFile = std::string(PBW_DOVECOT_HOST_ROOT) + Setting(settings, "TEST_CA");
  fixture.full = Account(settings, "FULL");
  fixture.empty = Account(settings, "EMPTY");
  fixture.umlaut = Account(settings, "UMLAUT");
  fixture.wrongPassword = Setting(settings, "WRONG_PASS");
  return fixture;
}

}  // namespace pbw::testing
