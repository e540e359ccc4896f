#pragma once
// The window class of the timetable grid.
#include <windows.h>

namespace orvel::win32 {

inline constexpr wchar_t kGridClassName[] = L"OrvelGrid";
void RegisterGridClass(HINSTANCE instance);

}  // namespace orvel::win32
