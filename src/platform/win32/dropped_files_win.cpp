#include "platform/win32/dropped_files_win.h"

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

struct DropTraits {
  using Handle = HDROP;
  static void Close(HDROP h) { DragFinish(h); }
};
using DropHandle = UniqueHandle<DropTraits>;

// The shell hands a drop to an elevated process through these; the filter would drop them.
constexpr UINT kCopyGlobalData = 0x0049;  // WM_COPYGLOBALDATA, in no header
constexpr DWORD kFilterAllow = 1;         // MSGFLT_ALLOW

}  // namespace

void AcceptDroppedFiles(HWND hwnd) {
  DragAcceptFiles(hwnd, TRUE);
  // Windows 7 and later; where it is missing there is no filter either.
  using Filter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  if (const auto filter = LoadProc<Filter>(L"user32.dll", "ChangeWindowMessageFilterEx")) {
    for (UINT message :
         {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), kCopyGlobalData})
      filter(hwnd, message, kFilterAllow, nullptr);
  }
}

std::vector<std::string> TakeDroppedFiles(HDROP drop) {
  const DropHandle owned(drop);
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    if (length == 0) continue;
    std::wstring path(length + 1, L'\0');
    const UINT copied = DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(copied);
    paths.push_back(Narrow(path));
  }
  return paths;
}

}  // namespace orvel::win32
