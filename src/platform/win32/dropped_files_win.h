#pragma once
// Files dragged from the shell and dropped on a window (WM_DROPFILES).
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace orvel::win32 {

// Lets the window take dropped files, also when the program runs elevated and the file manager
// does not: the messages a drop is made of pass the privilege filter.
void AcceptDroppedFiles(HWND hwnd);

// The full paths the drop carries, UTF-8, in the order they came; frees the drop.
std::vector<std::string> TakeDroppedFiles(HDROP drop);

}  // namespace orvel::win32
