#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/win32/services_win.h"

namespace orvel::win32 {
namespace {

// The system's published identifiers, here rather than from libuuid, whose one object of every
// identifier adds 40 KB to each program.
constexpr GUID kFolderIdStartup = {
    0xB97D20BB, 0xF46A, 0x4C97, {0xBA, 0x10, 0x5E, 0x36, 0x08, 0x43, 0x08, 0x54}};
constexpr CLSID kClsidShellLink = {
    0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidShellLinkW = {
    0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidPersistFile = {
    0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

}  // namespace

Win32Shortcuts::~Win32Shortcuts() {
  if (comOwned_) CoUninitialize();
}

bool Win32Shortcuts::EnsureCom() {
  if (comReady_) return true;
  const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // S_FALSE: already initialised on this thread, and still ours to balance.
  comOwned_ = SUCCEEDED(hr);
  comReady_ = SUCCEEDED(hr) || hr == RPC_E_CHANGED_MODE;
  return comReady_;
}

std::filesystem::path Win32Shortcuts::StartupFolder() {
  CoTaskText folder;
  if (FAILED(SHGetKnownFolderPath(kFolderIdStartup, 0, nullptr, folder.put())) || !folder.get())
    return {};
  return std::filesystem::path(folder.get());
}

bool Win32Shortcuts::Create(const std::filesystem::path& link, const std::filesystem::path& target) {
  if (!EnsureCom()) return false;
  ComPtr<IShellLinkW> shellLink;
  if (FAILED(CoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER, kIidShellLinkW,
                              reinterpret_cast<void**>(shellLink.put()))))
    return false;
  if (FAILED(shellLink->SetPath(target.c_str()))) return false;
  shellLink->SetWorkingDirectory(target.parent_path().c_str());
  ComPtr<IPersistFile> file;
  if (FAILED(shellLink->QueryInterface(kIidPersistFile, reinterpret_cast<void**>(file.put()))))
    return false;
  return SUCCEEDED(file->Save(link.c_str(), TRUE));
}

std::optional<std::filesystem::path> Win32Shortcuts::Target(const std::filesystem::path& link) {
  if (!EnsureCom()) return std::nullopt;
  ComPtr<IShellLinkW> shellLink;
  if (FAILED(CoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER, kIidShellLinkW,
                              reinterpret_cast<void**>(shellLink.put()))))
    return std::nullopt;
  ComPtr<IPersistFile> file;
  if (FAILED(shellLink->QueryInterface(kIidPersistFile, reinterpret_cast<void**>(file.put()))))
    return std::nullopt;
  if (FAILED(file->Load(link.c_str(), STGM_READ))) return std::nullopt;
  wchar_t path[MAX_PATH + 1] = {};
  if (shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH) != S_OK) return std::nullopt;
  return std::filesystem::path(path);
}

bool Win32Shortcuts::Remove(const std::filesystem::path& link) {
  return DeleteFileW(link.c_str()) != FALSE;
}

}  // namespace orvel::win32
