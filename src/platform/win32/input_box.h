#pragma once
// A modal input box built in memory: prompt, a box holding the default text, OK and Cancel.
#include <windows.h>

#include <string>

namespace orvel::win32 {

// The text typed, or "" on Cancel.
std::string ShowInputBox(HWND owner, const std::string& prompt, const std::string& title,
                         const std::string& defaultText);

}  // namespace orvel::win32
