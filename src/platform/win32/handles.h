#pragma once
// Move-only owners for the handles the backend creates. Each owner frees exactly what it holds.
#include <windows.h>

#include <objbase.h>

#include <utility>

namespace orvel::win32 {

template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;
  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return h_; }
  explicit operator bool() const { return h_ != Handle{}; }
  Handle release() { return std::exchange(h_, Handle{}); }
  void reset(Handle h = Handle{}) {
    if (h_ != Handle{}) Traits::Close(h_);
    h_ = h;
  }

 private:
  Handle h_{};
};

struct WindowTraits {
  using Handle = HWND;
  static void Close(HWND h) { DestroyWindow(h); }
};
template <class T>
struct GdiTraits {
  using Handle = T;
  static void Close(T h) { DeleteObject(h); }
};
struct IconTraits {
  using Handle = HICON;
  static void Close(HICON h) { DestroyIcon(h); }
};
struct KeyTraits {
  using Handle = HKEY;
  static void Close(HKEY h) { RegCloseKey(h); }
};
struct MenuTraits {
  using Handle = HMENU;
  static void Close(HMENU h) { DestroyMenu(h); }
};
struct MemoryDcTraits {
  using Handle = HDC;
  static void Close(HDC h) { DeleteDC(h); }
};
struct KernelTraits {
  using Handle = HANDLE;
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct FindTraits {
  using Handle = HANDLE;
  static void Close(HANDLE h) {
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
  }
};

struct WinEventHookTraits {
  using Handle = HWINEVENTHOOK;
  static void Close(HWINEVENTHOOK h) { UnhookWinEvent(h); }
};

using WindowHandle = UniqueHandle<WindowTraits>;
using FontHandle = UniqueHandle<GdiTraits<HFONT>>;
using BrushHandle = UniqueHandle<GdiTraits<HBRUSH>>;
using RegionHandle = UniqueHandle<GdiTraits<HRGN>>;
using BitmapHandle = UniqueHandle<GdiTraits<HBITMAP>>;
using PenHandle = UniqueHandle<GdiTraits<HPEN>>;
using IconHandle = UniqueHandle<IconTraits>;
using KeyHandle = UniqueHandle<KeyTraits>;
using MenuHandle = UniqueHandle<MenuTraits>;
using MemoryDc = UniqueHandle<MemoryDcTraits>;
using KernelHandle = UniqueHandle<KernelTraits>;
using WinEventHookHandle = UniqueHandle<WinEventHookTraits>;

// A DC borrowed from a window (or the screen, for a null window) and given back.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { EndPaint(hwnd_, &ps_); }
  HDC get() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// Selects a GDI object into a DC and puts the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A COM interface pointer that releases its reference.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  ~ComPtr() { reset(); }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For the functions that hand out a new reference.
  T** put() {
    reset();
    return &p_;
  }
  void reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }

 private:
  T* p_ = nullptr;
};

// A string COM hands out, freed with CoTaskMemFree.
class CoTaskText {
 public:
  CoTaskText() = default;
  ~CoTaskText() { CoTaskMemFree(text_); }
  CoTaskText(const CoTaskText&) = delete;
  CoTaskText& operator=(const CoTaskText&) = delete;
  const wchar_t* get() const { return text_; }
  wchar_t** put() {
    CoTaskMemFree(text_);
    text_ = nullptr;
    return &text_;
  }

 private:
  wchar_t* text_ = nullptr;
};

// Loads a function that older systems may lack, without a cast warning.
template <class Fn>
Fn LoadProc(const wchar_t* module, const char* name) {
  HMODULE m = GetModuleHandleW(module);
  if (!m) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(m, name)));
}

}  // namespace orvel::win32
