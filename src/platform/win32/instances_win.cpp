#include "platform/win32/instances_win.h"

#include <windows.h>

#include <deque>
#include <string>
#include <utility>

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvelInstance";
// Marks our WM_COPYDATA among whatever else a stray sender might post.
constexpr ULONG_PTR kRequestTag = 0x4F52564C;  // "ORVL"
constexpr DWORD kLongestRequest = 4096;
// Taken from the queue once the sender has its answer: the request's work (a window shown, a
// file loaded) must not hold the other process.
constexpr UINT kTakeQueued = WM_APP + 1;
constexpr int kLookEveryMs = 100;

class Win32Claim : public ui::InstanceClaim {
 public:
  Win32Claim(KernelHandle mutex, ui::Instances::TakeRequest take)
      : mutex_(std::move(mutex)), take_(std::move(take)) {}
  ~Win32Claim() override = default;

  bool Open(const std::wstring& name) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    window_.reset(CreateWindowExW(0, kClassName, name.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, instance, nullptr));
    if (!window_) return false;
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
  }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Win32Claim*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == WM_COPYDATA) {
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
      if (!data || data->dwData != kRequestTag || data->cbData > kLongestRequest) return FALSE;
      self->queued_.emplace_back(static_cast<const char*>(data->lpData), data->cbData);
      PostMessageW(hwnd, kTakeQueued, 0, 0);
      return TRUE;
    }
    if (self && msg == kTakeQueued) {
      while (!self->queued_.empty()) {
        const std::string request = std::move(self->queued_.front());
        self->queued_.pop_front();
        if (self->take_) self->take_(request);
      }
      return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
  }

  KernelHandle mutex_;
  ui::Instances::TakeRequest take_;
  std::deque<std::string> queued_;
  WindowHandle window_;
};

std::wstring MutexName(std::string_view name) {
  // Local: one program per user session, as each user has a desktop of their own.
  return L"Local\\" + Widen(name);
}

}  // namespace

std::unique_ptr<ui::InstanceClaim> Win32Instances::Claim(std::string_view name, TakeRequest take) {
  KernelHandle mutex(CreateMutexW(nullptr, FALSE, MutexName(name).c_str()));
  if (!mutex || GetLastError() == ERROR_ALREADY_EXISTS) return nullptr;
  auto claim = std::make_unique<Win32Claim>(std::move(mutex), std::move(take));
  // Without its window the program still runs alone; later starts just find nobody to tell.
  claim->Open(Widen(name));
  return claim;
}

bool Win32Instances::HandOver(std::string_view name, std::string_view request, int waitMs) {
  if (request.size() > kLongestRequest) return false;
  const std::wstring title = Widen(name);
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(waitMs > 0 ? waitMs : 0);
  for (;;) {
    if (HWND holder = FindWindowExW(HWND_MESSAGE, nullptr, kClassName, title.c_str())) {
      DWORD process = 0;
      GetWindowThreadProcessId(holder, &process);
      // The user started this process: its right to the foreground passes to the running one.
      AllowSetForegroundWindow(process);
      COPYDATASTRUCT data{};
      data.dwData = kRequestTag;
      data.cbData = static_cast<DWORD>(request.size());
      data.lpData = const_cast<char*>(request.data());
      DWORD_PTR answer = 0;
      const LRESULT sent =
          SendMessageTimeoutW(holder, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                              SMTO_ABORTIFHUNG | SMTO_BLOCK, 2000, &answer);
      return sent != 0 && answer == TRUE;
    }
    if (GetTickCount64() >= deadline) return false;
    Sleep(kLookEveryMs);
  }
}

}  // namespace orvel::win32
