#pragma once
// The class name and the text of any window, this process's or another's.
#include <windows.h>

#include <string>

namespace orvel::wintest {

std::wstring WindowClass(HWND hwnd);
std::wstring WindowCaption(HWND hwnd);

}  // namespace orvel::wintest
