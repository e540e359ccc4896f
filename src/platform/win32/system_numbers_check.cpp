// The mirrored numbers are the system's own.
#include <windows.h>

#include "platform/win32/system_numbers.h"

namespace orvel::win32 {

static_assert(kWmMouseMove == WM_MOUSEMOVE);
static_assert(kWmLButtonUp == WM_LBUTTONUP);
static_assert(kWmUser == WM_USER);
static_assert(kVkFirstActivityKey == VK_LBUTTON);
static_assert(kVkLastActivityKey == VK_SCROLL);

}  // namespace orvel::win32
