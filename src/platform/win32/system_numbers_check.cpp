// The mirrored numbers are the system's own.
#include <windows.h>

#include "platform/system_numbers.h"

namespace orvel::win32 {

static_assert(sys::kWmMouseMove == WM_MOUSEMOVE);
static_assert(sys::kWmLButtonUp == WM_LBUTTONUP);
static_assert(sys::kWmUser == WM_USER);
static_assert(sys::kVkFirstActivityKey == VK_LBUTTON);
static_assert(sys::kVkLastActivityKey == VK_SCROLL);

}  // namespace orvel::win32
