#include "platform/win32/services_win.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

// The 64-bit view always: the MSI writes there, and a 32-bit build must read the same values.
constexpr REGSAM kView = KEY_WOW64_64KEY;

HKEY RootKey(ui::RegistryRoot root) {
  return root == ui::RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

std::optional<std::string> Win32Registry::ReadString(ui::RegistryRoot root, const std::string& key,
                                                     const std::string& value) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(RootKey(root), Widen(key).c_str(), 0, KEY_QUERY_VALUE | kView, &raw) !=
      ERROR_SUCCESS)
    return std::nullopt;
  KeyHandle k(raw);
  const std::wstring name = Widen(value);
  DWORD type = 0, bytes = 0;
  if (RegQueryValueExW(k.get(), name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (RegQueryValueExW(k.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                       &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  // The stored data may or may not end with its terminating zero.
  data.resize(bytes / sizeof(wchar_t));
  while (!data.empty() && data.back() == L'\0') data.pop_back();
  return Narrow(data);
}

bool Win32Registry::WriteString(ui::RegistryRoot root, const std::string& key,
                                const std::string& value, const std::string& data) {
  HKEY raw = nullptr;
  if (RegCreateKeyExW(RootKey(root), Widen(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE | kView, nullptr, &raw, nullptr) != ERROR_SUCCESS)
    return false;
  KeyHandle k(raw);
  const std::wstring text = Widen(data);
  const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(k.get(), Widen(value).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(ui::RegistryRoot root, const std::string& key,
                                const std::string& value) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(RootKey(root), Widen(key).c_str(), 0, KEY_SET_VALUE | kView, &raw) !=
      ERROR_SUCCESS)
    return false;
  KeyHandle k(raw);
  return RegDeleteValueW(k.get(), Widen(value).c_str()) == ERROR_SUCCESS;
}

}  // namespace orvel::win32
