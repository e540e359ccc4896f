#include "platform/file_io.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <string>

namespace orvel {
namespace {

FileStatus FromError(DWORD err) {
  switch (err) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE: return FileStatus::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return FileStatus::AccessDenied;
    default: return FileStatus::Failed;
  }
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }
  bool Close() {
    bool ok = true;
    if (valid()) ok = CloseHandle(h_) != FALSE;
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE h_;
};

}  // namespace

FileStatus ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
  const std::wstring target = path.wstring();
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    return FileStatus::AccessDenied;
  {
    // Probe the target the way a plain overwrite would: a read-only file or one that another
    // program holds without write sharing refuses us here, before anything is written.
    FileHandle probe(CreateFileW(target.c_str(), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe.valid()) {
      const DWORD err = GetLastError();
      if (err != ERROR_FILE_NOT_FOUND) return FromError(err);
    }
  }

  const std::filesystem::path folder = path.parent_path().empty() ? L"." : path.parent_path();
  std::wstring temp;
  HANDLE h = INVALID_HANDLE_VALUE;
  for (unsigned attempt = 0; attempt < 16 && h == INVALID_HANDLE_VALUE; ++attempt) {
    temp = (folder / (path.filename().wstring() + L"." +
                      std::to_wstring(GetTickCount() % 1000000 + attempt) + L".tmp"))
               .wstring();
    h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
      return FromError(GetLastError());
  }
  if (h == INVALID_HANDLE_VALUE) return FileStatus::Failed;
  FileHandle file(h);

  bool ok = true;
  std::string_view rest = bytes;
  while (ok && !rest.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1u << 20));
    DWORD written = 0;
    ok = WriteFile(file.get(), rest.data(), chunk, &written, nullptr) && written == chunk;
    rest.remove_prefix(written);
  }
  ok = ok && FlushFileBuffers(file.get());
  DWORD err = ok ? ERROR_SUCCESS : GetLastError();
  if (!file.Close() && ok) {
    ok = false;
    err = GetLastError();
  }
  if (ok && !MoveFileExW(temp.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ok = false;
    err = GetLastError();
  }
  if (!ok) {
    DeleteFileW(temp.c_str());
    return FromError(err);
  }
  return FileStatus::Ok;
}

}  // namespace orvel
