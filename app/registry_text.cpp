#include "app/registry_text.h"

#include <vector>

namespace {

class RegistryKey {
 public:
  RegistryKey(HKEY root, const std::string& subKey) {
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// Text up to the first zero byte, or all of it when there is none.
std::string TextOf(const char* data, std::size_t size) {
  std::size_t length = 0;
  while (length < size && data[length] != '\0') ++length;
  return std::string(data, length);
}

// The default value's type and bytes; false when there is none. The value may
// change between the size query and the read, so the read is repeated until
// the buffer was large enough.
bool QueryDefaultValue(HKEY key, DWORD& type, std::vector<char>& data) {
  DWORD size = 0;
  LONG status = RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size);
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    data.resize(size);
    DWORD got = size;
    status = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got);
    if (status == ERROR_SUCCESS) {
      data.resize(got);
      return true;
    }
    size = got > size ? got : size + 256;
  }
  return false;
}

// The ANSI form of ExpandEnvironmentStrings wants one byte more than the size
// it reports, so a result is only trusted when it left room to spare.
std::string ExpandEnvironment(const std::string& text) {
  std::vector<char> expanded(text.size() + 2);
  for (;;) {
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    if (needed == 0) return {};
    if (needed < expanded.size()) return TextOf(expanded.data(), expanded.size());
    expanded.resize(static_cast<std::size_t>(needed) + 1);
  }
}

}  // namespace

bool HasDefaultValue(HKEY root, const std::string& subKey) {
  RegistryKey key(root, subKey);
  return key.Get() && RegQueryValueExA(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string ReadDefaultValueText(HKEY root, const std::string& subKey) {
  RegistryKey key(root, subKey);
  if (!key.Get()) return {};
  DWORD type = REG_NONE;
  std::vector<char> data;
  if (!QueryDefaultValue(key.Get(), type, data)) return {};
  if (type == REG_SZ) return TextOf(data.data(), data.size());
  if (type == REG_EXPAND_SZ) return ExpandEnvironment(TextOf(data.data(), data.size()));
  return {};
}
