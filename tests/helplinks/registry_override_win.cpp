#include "tests/helplinks/registry_override_win.h"

#include "common/unique_handle_win.h"

namespace pbw::testing {
namespace {

bool KeyExists(HKEY root, const std::wstring& path) {
  UniqueKey key;
  return ::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

std::optional<std::wstring> OutermostMissingKey(HKEY root, const std::wstring& path) {
  for (std::size_t end = path.find(L'\\');; end = path.find(L'\\', end + 1)) {
    std::wstring prefix = path.substr(0, end);
    if (!KeyExists(root, prefix)) return prefix;
    if (end == std::wstring::npos) return std::nullopt;
  }
}

}  // namespace

RegistryOverride::RegistryOverride(HKEY root, const std::wstring& keyPath, const std::wstring& valueName,
                                   const std::wstring& data)
    : root_(root), createdKey_(OutermostMissingKey(root, keyPath)) {
  saved_.emplace(root, keyPath, valueName);
  const std::wstring terminated = data + L'\0';  // a REG_SZ value keeps its terminating null
  WriteRawValue(root, keyPath, valueName, {true, REG_SZ, BytesOf(terminated)});
}

RegistryOverride::~RegistryOverride() {
  // The value first: putting it back opens its key, which would otherwise come back.
  saved_.reset();
  if (createdKey_) ::RegDeleteTreeW(root_, createdKey_->c_str());
}

}  // namespace pbw::testing
